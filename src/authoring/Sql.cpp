// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/Sql.h"

#include <sqlite3.h>

#include "core/Errors.h"

namespace xuehai::bank {

SqlStatement::SqlStatement(sqlite3* db, std::string_view sql) : db_(db), sql_(sql) {
    if (sqlite3_prepare_v2(db_, sql_.c_str(), static_cast<int>(sql_.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
        Fail();
    }
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(stmt_);
}

SqlStatement& SqlStatement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        Fail();
    }
    return *this;
}

SqlStatement& SqlStatement::Bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) {
        Fail();
    }
    return *this;
}

bool SqlStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc != SQLITE_DONE) {
        Fail();
    }
    return false;
}

void SqlStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqlStatement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool SqlStatement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::optional<std::string> SqlStatement::Text(int column) const {
    if (IsNull(column)) {
        return std::nullopt;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

std::int64_t SqlStatement::Integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

bool SqlStatement::IsInteger(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER;
}

void SqlStatement::Fail() const {
    throw DatabaseError(std::string(sqlite3_errmsg(db_)) + " (statement: " + sql_ + ")");
}

void RunSql(sqlite3* db, std::string_view sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error != nullptr ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw DatabaseError(message + " (statement: " + std::string(sql) + ")");
    }
}

SqlTransaction::SqlTransaction(sqlite3* db) : db_(db) {
    RunSql(db_, "BEGIN IMMEDIATE");
}

SqlTransaction::~SqlTransaction() {
    if (open_) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void SqlTransaction::Commit() {
    RunSql(db_, "COMMIT");
    open_ = false;
}

}  // namespace xuehai::bank
