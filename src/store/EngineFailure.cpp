// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFailure.h"

#include <sqlite3.h>

#include "core/Errors.h"

namespace xuehai {

void ThrowEngineFailure(sqlite3* db, const std::string& message) {
    const int code = sqlite3_errcode(db) & 0xff;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        throw RecordsLockedError(message);
    }
    throw DatabaseError(message);
}

}  // namespace xuehai
