// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace xuehai {

// A player name as it goes between single quotes in a statement: every quote doubled, so
// "O'Neil" stays one literal instead of ending it. Other names come out unchanged.
std::string EscapeQuotes(std::string_view text);

}  // namespace xuehai
