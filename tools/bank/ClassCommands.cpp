// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <iostream>

#include "Command.h"
#include "authoring/ToolError.h"
#include "classroom/FolderClassSource.h"

namespace xuehai::bank {

namespace {

int Class(const Arguments& args) {
    const std::filesystem::path folder = args.operands[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        throw ToolError(kExitFile, "'" + folder.string() + "' is no game folder");
    }
    classroom::ClassOverview overview;
    try {
        overview = classroom::FolderClassSource(std::filesystem::absolute(folder)).ReadOverview();
    } catch (const ToolError&) {
        throw;
    } catch (const std::exception& error) {
        throw ToolError(kExitFile, error.what());
    }
    std::cout << (args.Has("--csv") ? classroom::OverviewCsv(overview)
                                    : classroom::OverviewText(overview));
    return kExitOk;
}

}  // namespace

std::vector<Command> ClassCommands() {
    return {
        {"class",
         "[--csv] GAMEFOLDER",
         "show every player's figures, overall and per subject",
         R"(One line per player, in the order they registered: name, avatar, score, class, right
and wrong answers and the share right; then, for each subject of the list files
(AliginA.cfg, AliginB.cfg), its completion (questions answered right at least once, out
of the bank's questions, as the progress report counts it) and its share of right
answers. A subject whose bank cannot be read shows "—".

--csv  write CSV (UTF-8 with a byte order mark, which spreadsheets read as UTF-8)
)",
         {"--csv"},
         1,
         1,
         &Class},
    };
}

}  // namespace xuehai::bank
