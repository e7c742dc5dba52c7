// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace xuehai {

// Code page 936 (GBK) is only spoken where a file format or a byte limit demands it;
// everywhere else the game's text is UTF-8.

// UTF-8 to code page 936; throws ConversionError naming the text when a character has no
// place in the code page or the UTF-8 is malformed.
std::string Utf8ToCp936(std::string_view utf8);

// Code page 936 to UTF-8; a byte sequence that is not valid GBK becomes U+FFFD, so a
// damaged text still shows instead of failing the screen.
std::string Cp936ToUtf8(std::string_view cp936);

// True when every character of the UTF-8 text can be held in code page 936.
bool FitsCp936(std::string_view utf8);

// Length in code page 936 bytes (a Chinese character counts two); throws like Utf8ToCp936.
std::size_t Cp936Length(std::string_view utf8);

}  // namespace xuehai
