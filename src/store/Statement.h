// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace xuehai {

class Connection;

// One statement of the game prepared on a connection, in SQLite's dialect (see
// SqlDialect.h), finalised when it goes out of scope.
class Statement {
public:
    // Throws DatabaseError when the text does not compile or holds more than one statement,
    // so a text pasted together from values can never run a second statement.
    Statement(const Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True when a row is ready, false when the statement is done; throws DatabaseError.
    bool Step();

    sqlite3_stmt* get() const { return stmt_; }

private:
    const Connection& connection_;
    std::string_view sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace xuehai
