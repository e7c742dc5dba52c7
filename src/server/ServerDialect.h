// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace xuehai {

// A statement of the game, in the desktop engine's dialect, as PostgreSQL runs it with
// the same meaning. Outside string literals and comments:
//  - a name in square brackets (or backquotes, or double quotes) becomes a quoted name in
//    lower case: names of the desktop dialect ignore letter case, and the server keeps
//    the game's tables and columns in lower case ([User-Question] is "user-question");
//  - int(x), the greatest integer not above x, becomes floor(x);
//  - "/" becomes "*1.0/", a real division, as in the desktop engine (without it the
//    server divides integers as integers and int(-2/1000) would give 0, not -1).
std::string TranslateForServer(std::string_view sql);

}  // namespace xuehai
