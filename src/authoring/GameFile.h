// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "store/DatabaseFiles.h"

struct sqlite3;

namespace xuehai {
class Connection;
}

namespace xuehai::bank {

// An open database file of the game, checked to be of the expected kind.
class GameFile {
public:
    // Throws ToolError (kExitFile) when the file is missing, is no game file or holds
    // another kind of data.
    GameFile(const std::filesystem::path& path, DatabaseKind kind);
    ~GameFile();
    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    sqlite3* Handle() const;

private:
    std::unique_ptr<Connection> connection_;
};

// Writes a game file so that a reader never sees it half done and a refusal leaves it as
// it was. fill runs inside one transaction and answers false when it has nothing to
// change (the transaction is then dropped).
//  - A new file is made beside the target under a scratch name and moved into place.
//  - An existing file (only with replace) is rewritten in place, in that transaction: the
//    game may hold it open, and moving another file over it would pair the new file with
//    the old file's write-ahead log.
// Answers fill's answer; throws ToolError (kExitFile) when the file exists and replace is
// false, or it is of another kind.
bool WriteGameFile(const std::filesystem::path& path, DatabaseKind kind, bool replace,
                   const std::function<bool(sqlite3*)>& fill);

}  // namespace xuehai::bank
