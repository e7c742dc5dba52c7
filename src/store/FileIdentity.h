// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

struct sqlite3;

namespace xuehai {

// Every database file of the game carries one row of its own besides the game's tables:
// the password the connection string must give and the version of the file layout.
inline constexpr std::string_view IdentityTable = "XuehaiFile";
inline constexpr int CurrentSchemaVersion = 1;

// Reads the identity row of an open file and checks it against the password. Throws
// DatabaseError naming file when the file is no SQLite database, is a database of some
// other program, was written by a newer game, or the password is wrong.
void CheckFileIdentity(sqlite3* db, const std::filesystem::path& file, std::string_view password);

}  // namespace xuehai
