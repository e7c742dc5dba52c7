// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace xuehai {

// Decimal text to a 32-bit integer: an optional sign and digits, nothing else. Anything
// else, the empty text and values out of range included, throws ConversionError.
std::int32_t StrToInt(std::string_view text);

}  // namespace xuehai
