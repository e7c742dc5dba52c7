// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Command.h"
#include "authoring/GameFile.h"
#include "authoring/ToolError.h"
#include "core/Errors.h"
#include "store/Connection.h"

namespace xuehai::bank {

namespace {

int Init(const Arguments& args) {
    const std::filesystem::path file = args.operands[0];
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        // Opening checks that it is a sound player-records file; it is never touched.
        GameFile existing(file, DatabaseKind::PlayerRecords);
        std::cout << file.string() << ": kept, it holds the players' records\n";
        return kExitOk;
    }
    try {
        if (file.has_parent_path()) {
            std::filesystem::create_directories(file.parent_path());
        }
        CreateDatabaseFile(file, DatabaseKind::PlayerRecords);
    } catch (const std::filesystem::filesystem_error& error) {
        throw ToolError(kExitFile, error.what());
    }
    std::cout << file.string() << ": new, empty player records\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> RecordsCommands() {
    return {
        {"records init",
         "FILE",
         "make an empty player-records file (Save\\userinfo.dat)",
         R"(Creates FILE, and the folders above it, with an empty player table, unless it exists:
an existing file is left exactly as it is (after checking that it is player records),
so a rebuild of the game folder never loses a player's progress.
)",
         {},
         1,
         1,
         &Init},
    };
}

}  // namespace xuehai::bank
