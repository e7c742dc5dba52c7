// SPDX-License-Identifier: GPL-3.0-or-later
#include "Query.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Connection.h"
#include "core/Errors.h"
#include "core/IntegerText.h"

namespace xuehai {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The shortest text that reads back as the same number: 0.75, 2, 1e+20.
std::string RealText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

Query::Query(Connection& connection) : connection_(connection) {}

void Query::SetText(std::string text) {
    if (open_) {
        throw DatabaseError("the text of an open query cannot change (query: " + text_ + ")");
    }
    text_ = std::move(text);
}

void Query::Open() {
    if (open_) {
        throw DatabaseError("query is open already (query: " + text_ + ")");
    }
    SqlRows rows = connection_.Select(text_);
    columns_ = std::move(rows.columns);
    cells_ = std::move(rows.cells);
    rowCount_ = rows.rowCount;
    row_ = 0;
    open_ = true;
}

void Query::Close() {
    open_ = false;
    columns_.clear();
    cells_.clear();
    rowCount_ = 0;
    row_ = 0;
}

bool Query::AtEnd() const {
    return !open_ || row_ >= rowCount_;
}

void Query::Next() {
    if (!AtEnd()) {
        ++row_;
    }
}

int Query::RowCount() const {
    return static_cast<int>(rowCount_);
}

const Query::Value& Query::Cell(std::string_view column) const {
    const auto found = std::find_if(columns_.begin(), columns_.end(), [&](const std::string& name) {
        return SameName(name, column);
    });
    if (found == columns_.end()) {
        throw DatabaseError("no column " + std::string(column) + " in the result of '" + text_ +
                            "' on database file '" + connection_.File().string() + "'");
    }
    if (AtEnd()) {
        NoValue(column, "there is no current row");
    }
    const auto index = static_cast<std::size_t>(found - columns_.begin());
    return cells_[row_ * columns_.size() + index];
}

void Query::NoValue(std::string_view column, std::string_view why) const {
    throw ConversionError("cannot read column " + std::string(column) + ": " + std::string(why) +
                          " (query: " + text_ + "; file '" + connection_.File().string() + "')");
}

std::string Query::Text(std::string_view column) const {
    const Value& value = Cell(column);
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        return std::to_string(*number);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return RealText(*real);
    }
    NoValue(column, "it is NULL");
}

std::int32_t Query::Integer(std::string_view column) const {
    const Value& value = Cell(column);
    std::int64_t number = 0;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        number = *whole;
    } else if (const auto* real = std::get_if<double>(&value)) {
        if (std::trunc(*real) != *real || std::abs(*real) > 4e9) {
            NoValue(column, RealText(*real) + " is not a whole number");
        }
        number = static_cast<std::int64_t>(*real);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        try {
            number = StrToInt(*text);
        } catch (const ConversionError& error) {
            NoValue(column, error.what());
        }
    } else {
        NoValue(column, "it is NULL");
    }
    if (number < INT32_MIN || number > INT32_MAX) {
        NoValue(column, std::to_string(number) + " does not fit a 32-bit integer");
    }
    return static_cast<std::int32_t>(number);
}

}  // namespace xuehai
