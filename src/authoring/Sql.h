// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace xuehai::bank {

// A statement of the tool's own, with bound values rather than pasted ones, so texts with
// quotes go in unharmed. Failures throw DatabaseError.
class SqlStatement {
public:
    SqlStatement(sqlite3* db, std::string_view sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    SqlStatement& Bind(int index, std::string_view text);
    SqlStatement& Bind(int index, std::int64_t value);
    // True while a row is ready.
    bool Step();
    // Runs a changing statement to its end and makes it ready for new values.
    void Run();
    // Makes a statement whose rows were read ready for new values.
    void Reset();

    bool IsNull(int column) const;
    std::optional<std::string> Text(int column) const;  // nothing for NULL
    std::int64_t Integer(int column) const;
    // True when the value is stored as a whole number (not text or real).
    bool IsInteger(int column) const;

private:
    [[noreturn]] void Fail() const;

    sqlite3* db_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs statements that take no values and return no rows.
void RunSql(sqlite3* db, std::string_view sql);

// One transaction: BEGIN IMMEDIATE now, rolled back unless Commit is called.
class SqlTransaction {
public:
    explicit SqlTransaction(sqlite3* db);
    ~SqlTransaction();
    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;
    void Commit();

private:
    sqlite3* db_;
    bool open_ = true;
};

}  // namespace xuehai::bank
