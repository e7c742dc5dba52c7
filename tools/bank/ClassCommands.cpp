// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <iostream>
#include <memory>

#include "Command.h"
#include "authoring/ToolError.h"
#include "classroom/FolderClassSource.h"
#include "server/ServerEngine.h"
#include "server/ServerErrors.h"
#include "server/ServerSetting.h"
#include "serverroom/ServerClassSource.h"

namespace xuehai::bank {

namespace {

// What the operand names: a game folder when there is one of that name, else a server
// when it reads as a libpq connection string ("host=... dbname=...", "service=NAME") or
// URI (postgresql://...).
std::unique_ptr<classroom::ClassSource> SourceNamed(const std::string& operand) {
    const std::filesystem::path folder = operand;
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec)) {
        return std::make_unique<classroom::FolderClassSource>(std::filesystem::absolute(folder));
    }
    const bool server = operand.find('=') != std::string::npos ||
                        operand.starts_with("postgresql://") || operand.starts_with("postgres://");
    if (!server) {
        throw ToolError(kExitFile, "'" + operand +
                                       "' is no game folder, nor a server (host=... dbname=..., "
                                       "service=NAME or postgresql://...)");
    }
    try {
        return std::make_unique<classroom::ServerClassSource>(
            std::make_shared<ServerEngine>(ServerConnInfo(operand, "命令行")));
    } catch (const ServerUnreachableError& error) {
        throw ToolError(kExitFile, error.what());
    }
}

int Class(const Arguments& args) {
    classroom::ClassOverview overview;
    try {
        overview = SourceNamed(args.operands[0])->ReadOverview();
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
         "[--csv] GAMEFOLDER|CONNINFO",
         "show every player's figures, overall and per subject",
         R"(One line per player, in the order they registered: name, avatar, score, class, right
and wrong answers and the share right; then, for each subject of the list files
(AliginA.cfg, AliginB.cfg), its completion (questions answered right at least once, out
of the bank's questions, as the progress report counts it) and its share of right
answers. A subject whose bank cannot be read shows "—".

The class is read from a game folder, or from a computer room's server after
"server init": CONNINFO is a libpq connection string holding "=" ("host=10.0.0.5
dbname=class4", "service=class4") or a URI (postgresql://10.0.0.5/class4). A folder of
that name wins; a password belongs in ~/.pgpass or the service file, never here. Both
give the same lines for the same data.

--csv  write CSV (UTF-8 with a byte order mark, which spreadsheets read as UTF-8)
)",
         {"--csv"},
         1,
         1,
         &Class},
    };
}

}  // namespace xuehai::bank
