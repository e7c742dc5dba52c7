// SPDX-License-Identifier: GPL-3.0-or-later
#include "Statement.h"

#include <sqlite3.h>

#include "Connection.h"
#include "SqlDialect.h"
#include "core/Errors.h"

namespace xuehai {

namespace {

bool OnlySeparators(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text != ' ' && *text != ';' && *text != '\t' && *text != '\r' && *text != '\n') {
            return false;
        }
    }
    return true;
}

}  // namespace

Statement::Statement(const Connection& connection, std::string_view sql)
    : connection_(connection), sql_(sql) {
    connection.RefuseAfterFailure(sql);
    const std::string text = RewriteDivision(sql);
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), text.c_str(), static_cast<int>(text.size() + 1),
                           &stmt_, &tail) != SQLITE_OK) {
        connection.Fail(sql);
    }
    if (stmt_ == nullptr) {
        throw DatabaseError("empty statement on database file '" + connection.File().string() +
                            "'");
    }
    if (tail != nullptr && !OnlySeparators(tail)) {
        sqlite3_finalize(stmt_);
        throw DatabaseError("more than one statement in '" + std::string(sql) +
                            "' on database file '" + connection.File().string() + "'");
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

bool Statement::Step() {
    switch (sqlite3_step(stmt_)) {
        case SQLITE_ROW:
            return true;
        case SQLITE_DONE:
            return false;
        default:
            connection_.Fail(sql_);
    }
}

}  // namespace xuehai
