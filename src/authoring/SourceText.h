// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace xuehai::bank {

// The longest text the scrambled question format can carry, in code page 936 bytes.
inline constexpr std::size_t kMaxFieldBytes = 255;

// What keeps a UTF-8 text from being shown by the game.
struct TextFault {
    enum Kind { NotUtf8, Unfit, TooLong } kind = NotUtf8;
    std::string character;  // Unfit: the first character code page 936 cannot hold
    std::size_t bytes = 0;  // TooLong: its length in code page 936
};

std::optional<TextFault> FindTextFault(std::string_view utf8,
                                       std::optional<std::size_t> maxBytes = std::nullopt);

// The tool's wording of a fault, after the name of the text: "holds the character ...".
std::string DescribeTextFault(const TextFault& fault, std::size_t maxBytes = kMaxFieldBytes);

// Why a UTF-8 text cannot be shown by the game, or nothing when it can: it must be valid
// UTF-8 and every character must exist in code page 936 (the offending one is named); with
// maxBytes, its code page 936 form must not be longer.
std::optional<std::string> TextProblem(std::string_view utf8,
                                       std::optional<std::size_t> maxBytes = std::nullopt);

// A whole number written plainly ("12", "-3", not "+3" or "012"); nothing otherwise.
std::optional<int> PlainInteger(std::string_view text);

}  // namespace xuehai::bank
