// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntegerText.h"

#include <charconv>
#include <string>

#include "Errors.h"

namespace xuehai {

std::int32_t StrToInt(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::int64_t value = 0;
    const auto* end = digits.data() + digits.size();
    bool ok = !digits.empty() && digits.size() <= 11;
    if (ok) {
        auto [ptr, ec] = std::from_chars(digits.data(), end, value);
        ok = ec == std::errc{} && ptr == end && digits.front() != '-' && digits.front() != '+';
    }
    if (negative) {
        value = -value;
    }
    if (!ok || value < INT32_MIN || value > INT32_MAX) {
        throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace xuehai
