// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xuehai {

// The scrambled format of question texts: a field of decimal digits, a 39-digit header
// carrying the field's own key triple (scrambled with the master key), then the text.

// The fixed key triple that scrambles the three header pieces of every field.
inline constexpr std::int32_t MasterStartKey = 683;
inline constexpr std::int32_t MasterMultiplier = 40127;
inline constexpr std::int32_t MasterIncrement = 19533;

// Digits of the header pieces: start key (3 plain bytes), multiplier and increment (5 each).
inline constexpr std::size_t StartKeyDigits = 9;
inline constexpr std::size_t MultiplierDigits = 15;
inline constexpr std::size_t IncrementDigits = 15;
inline constexpr std::size_t HeaderDigits = StartKeyDigits + MultiplierDigits + IncrementDigits;

// The key stream counts positions in 8 bits, so a field carries at most 255 plain bytes.
inline constexpr std::size_t MaxFieldBytes = 255;

// A stored field to its plain bytes (code page 936). Throws ConversionError when the header
// does not give numbers, a triplet is no number or no byte (above 255), and when the body is
// longer than 255 bytes (the format cannot carry it). The game and the bank tool both refuse
// a field by this one rule.
std::string DecodeField(std::string_view field);

// "065066067" -> "ABC"; empty when the length is no multiple of 3. A group above 255 keeps
// its low 8 bits: DecodeField refuses such a field before it gets here.
std::string DigitsToBytes(std::string_view digits);

// The key-stream stage; never fails.
std::string StreamDecode(std::string_view scrambled, std::int32_t startKey, std::int32_t multiplier,
                         std::int32_t increment);

}  // namespace xuehai
