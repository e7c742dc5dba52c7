// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Engine.h"

namespace xuehai {

class Connection;

// A reading statement and its result rows. Open runs the statement to its end and keeps
// the rows in memory, so an open query holds no lock on the file: another connection may
// write to it while this one walks its rows.
class Query {
public:
    explicit Query(Connection& connection);

    // The statement to run; throws DatabaseError when the query is open.
    void SetText(std::string text);
    // Runs the statement, positioned on the first row; throws DatabaseError.
    void Open();
    // Drops the rows; closing a closed query does nothing.
    void Close();
    bool IsOpen() const { return open_; }

    // True when no current row is left (at once when the result has no row).
    bool AtEnd() const;
    // Moves to the following row; at the end it stays there.
    void Next();
    int RowCount() const;

    // The current row's value of a column, found without regard to letter case. Text gives
    // integers as plain decimal digits. NULL, a missing row and (for Integer) a value that is
    // no 32-bit whole number throw ConversionError; an unknown column throws DatabaseError.
    std::string Text(std::string_view column) const;
    std::int32_t Integer(std::string_view column) const;

private:
    using Value = SqlValue;

    const Value& Cell(std::string_view column) const;
    [[noreturn]] void NoValue(std::string_view column, std::string_view why) const;

    Connection& connection_;
    std::string text_;
    bool open_ = false;
    std::vector<std::string> columns_;
    std::vector<Value> cells_;  // row after row
    std::size_t rowCount_ = 0;
    std::size_t row_ = 0;
};

// Closes a query when the scope ends, also on failure.
class QueryCloser {
public:
    explicit QueryCloser(Query& query) : query_(query) {}
    ~QueryCloser() { query_.Close(); }
    QueryCloser(const QueryCloser&) = delete;
    QueryCloser& operator=(const QueryCloser&) = delete;

private:
    Query& query_;
};

}  // namespace xuehai
