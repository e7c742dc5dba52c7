// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct sqlite3;

namespace xuehai {

// Throws the failure of the engine's latest call on db with the message: RecordsLockedError
// when another program held a lock past the wait, DatabaseError otherwise.
[[noreturn]] void ThrowEngineFailure(sqlite3* db, const std::string& message);

}  // namespace xuehai
