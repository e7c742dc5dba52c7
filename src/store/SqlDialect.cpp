// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqlDialect.h"

#include <sqlite3.h>

#include <cmath>

#include "core/Errors.h"

namespace xuehai {

namespace {

// Index just past a quoted piece that opens at start with open and ends with close; a
// doubled closing character inside ('it''s') does not end it.
std::size_t SkipQuoted(std::string_view sql, std::size_t start, char close) {
    std::size_t i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

std::size_t SkipComment(std::string_view sql, std::size_t start) {
    if (sql[start] == '-') {
        const std::size_t end = sql.find('\n', start);
        return end == std::string_view::npos ? sql.size() : end + 1;
    }
    const std::size_t end = sql.find("*/", start + 2);
    return end == std::string_view::npos ? sql.size() : end + 2;
}

void Floor(sqlite3_context* context, int, sqlite3_value** args) {
    sqlite3_value* x = args[0];
    switch (sqlite3_value_numeric_type(x)) {
        case SQLITE_NULL:
            sqlite3_result_null(context);
            return;
        case SQLITE_INTEGER:
            sqlite3_result_int64(context, sqlite3_value_int64(x));
            return;
        default: {
            const double floored = std::floor(sqlite3_value_double(x));
            // Beyond 2^63 the value no longer fits an integer; it stays a real.
            if (floored >= -9.2e18 && floored <= 9.2e18) {
                sqlite3_result_int64(context, static_cast<sqlite3_int64>(floored));
            } else {
                sqlite3_result_double(context, floored);
            }
        }
    }
}

}  // namespace

std::size_t SqlPieceEnd(std::string_view sql, std::size_t start) {
    const char c = sql[start];
    if (c == '\'' || c == '"' || c == '`') {
        return SkipQuoted(sql, start, c);
    }
    if (c == '[') {
        return SkipQuoted(sql, start, ']');
    }
    const bool comment = start + 1 < sql.size() && ((c == '-' && sql[start + 1] == '-') ||
                                                    (c == '/' && sql[start + 1] == '*'));
    return comment ? SkipComment(sql, start) : start + 1;
}

std::string RewriteDivision(std::string_view sql) {
    std::string out;
    out.reserve(sql.size() + 8);
    std::size_t i = 0;
    while (i < sql.size()) {
        const std::size_t next = SqlPieceEnd(sql, i);
        if (sql[i] == '/' && next == i + 1) {
            out += "*1.0";
        }
        out.append(sql.substr(i, next - i));
        i = next;
    }
    return out;
}

void RegisterDialectFunctions(sqlite3* db) {
    const int rc = sqlite3_create_function_v2(db, "int", 1,
                                              SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                              nullptr, Floor, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throw DatabaseError(std::string("cannot register int(): ") + sqlite3_errstr(rc));
    }
}

}  // namespace xuehai
