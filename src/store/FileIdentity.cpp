// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileIdentity.h"

#include <sqlite3.h>

#include <memory>
#include <string>

#include "EngineFailure.h"
#include "core/Errors.h"

namespace xuehai {

namespace {

using StatementPtr = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

[[noreturn]] void NotAGameFile(const std::filesystem::path& file, const std::string& why) {
    throw DatabaseError("'" + file.string() + "' is not a game database file (" + why + ")",
                        FailureKind::Damaged);
}

}  // namespace

void CheckFileIdentity(sqlite3* db, const std::filesystem::path& file, std::string_view password) {
    const std::string sql = "SELECT Password, SchemaVersion FROM " + std::string(IdentityTable);
    sqlite3_stmt* raw = nullptr;
    const int prepared = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    const StatementPtr statement(raw, &sqlite3_finalize);
    if (prepared != SQLITE_OK) {
        if ((prepared & 0xff) == SQLITE_NOTADB) {
            NotAGameFile(file, "it is not a database");
        }
        if (sqlite3_errmsg(db) == std::string("no such table: ") + std::string(IdentityTable)) {
            NotAGameFile(file, "it has no " + std::string(IdentityTable) + " table");
        }
        ThrowEngineFailure(
            db, "cannot read database file '" + file.string() + "': " + sqlite3_errmsg(db));
    }
    const int stepped = sqlite3_step(statement.get());
    if (stepped == SQLITE_DONE) {
        NotAGameFile(file, "its " + std::string(IdentityTable) + " table is empty");
    }
    if (stepped != SQLITE_ROW) {
        ThrowEngineFailure(
            db, "cannot read database file '" + file.string() + "': " + sqlite3_errmsg(db));
    }
    const auto* stored = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
    if (stored == nullptr || std::string_view(stored) != password) {
        throw DatabaseError("wrong password for database file '" + file.string() + "'",
                            FailureKind::Damaged);
    }
    const int version = sqlite3_column_int(statement.get(), 1);
    if (version > CurrentSchemaVersion) {
        throw DatabaseError("database file '" + file.string() + "' has layout version " +
                                std::to_string(version) + "; this game reads version " +
                                std::to_string(CurrentSchemaVersion) + " and older",
                            FailureKind::Damaged);
    }
}

}  // namespace xuehai
