// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace xuehai {

// The game's statements are written for a desktop engine whose SQL differs from SQLite's in
// two places; these helpers make SQLite answer as that engine does.

// Where the piece of a statement that starts at sql[start] ends, when it is one that no
// rewriting looks into: a string literal ('it''s'), a quoted name ("name", `name`, [name])
// or a comment (-- to the line's end, /* to */). For any other character, start + 1. An
// unclosed piece runs to the end of the statement.
std::size_t SqlPieceEnd(std::string_view sql, std::size_t start);

// "/" divides as real numbers there, while SQLite divides integers as integers
// (int(-2/1000) would give 0 instead of -1). Every "/" outside string literals, quoted
// names and comments becomes "*1.0/": "*" and "/" share one precedence level and group to
// the left, so the "*1.0" always applies to the whole left operand of that "/" and the
// division becomes real without changing what is divided.
std::string RewriteDivision(std::string_view sql);

// Registers int(x): the greatest integer not above x (int(-0.5) is -1), NULL for NULL.
// Throws DatabaseError when SQLite refuses the function.
void RegisterDialectFunctions(sqlite3* db);

}  // namespace xuehai
