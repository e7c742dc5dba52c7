// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "core/Errors.h"

struct sqlite3;

namespace xuehai {

// Throws the failure of the engine's latest call on db with the message: RecordsLockedError
// when another program held a lock past the wait, DatabaseError otherwise; either carries
// what the failure means for the player (see KindOfEngineFailure).
[[noreturn]] void ThrowEngineFailure(sqlite3* db, const std::string& message);

// What a refusal of the database engine means for the player. The engine's own code says
// "cannot open" or "read-only" for several causes, so the file and its folder are looked
// at: one the player may not read, a file or folder that cannot be written.
FailureKind KindOfEngineFailure(int resultCode, const std::filesystem::path& file);

// The cause the engine's words hide, to add to its message: for a read-only folder, which
// reads as "attempt to write a readonly database", that the folder cannot be written.
std::string CauseOf(FailureKind kind, const std::filesystem::path& file);

}  // namespace xuehai
