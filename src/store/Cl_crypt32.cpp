// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cl_crypt32.h"

#include <string>

#include "core/Errors.h"
#include "core/IntegerText.h"

namespace xuehai {

namespace {

// The characters from position start (counted from 0) on, at most length of them; a piece
// that runs past the end of the field is cut there.
std::string_view Piece(std::string_view field, std::size_t start, std::size_t length) {
    return start < field.size() ? field.substr(start, length) : std::string_view{};
}

// The bytes of a piece of a field. Every byte was written as a group from "000" to "255", so a
// group beyond that is damage, not a byte: cutting it to 8 bits would show the player garbage.
std::string FieldBytes(std::string_view digits) {
    if (digits.size() % 3 == 0) {
        for (std::size_t p = 0; p < digits.size(); p += 3) {
            const std::int32_t value = StrToInt(digits.substr(p, 3));
            if (value < 0 || value > 255) {
                throw ConversionError("the digit group '" + std::string(digits.substr(p, 3)) +
                                      "' is no byte (000 to 255)");
            }
        }
    }
    return DigitsToBytes(digits);
}

std::int32_t HeaderNumber(std::string_view field, std::size_t start, std::size_t length) {
    return StrToInt(StreamDecode(FieldBytes(Piece(field, start, length)), MasterStartKey,
                                 MasterMultiplier, MasterIncrement));
}

}  // namespace

std::string DigitsToBytes(std::string_view digits) {
    std::string bytes;
    if (digits.size() % 3 != 0) {
        return bytes;
    }
    bytes.reserve(digits.size() / 3);
    for (std::size_t p = 0; p < digits.size(); p += 3) {
        const std::int32_t value = StrToInt(digits.substr(p, 3));
        bytes += static_cast<char>(static_cast<std::uint8_t>(value & 0xff));
    }
    return bytes;
}

std::string StreamDecode(std::string_view scrambled, std::int32_t startKey, std::int32_t multiplier,
                         std::int32_t increment) {
    // Unsigned 16-bit arithmetic is the format's own; the casts make the wrap-around of
    // negative or large keys well defined.
    auto key = static_cast<std::uint16_t>(startKey);
    const auto mul = static_cast<std::uint16_t>(multiplier);
    const auto inc = static_cast<std::uint16_t>(increment);
    const std::size_t count = scrambled.size() % 256;
    std::string plain;
    plain.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto c = static_cast<std::uint8_t>(scrambled[i]);
        plain += static_cast<char>(c ^ static_cast<std::uint8_t>(key >> 8));
        key = static_cast<std::uint16_t>((static_cast<std::uint32_t>(key) + c) * mul + inc);
    }
    return plain;
}

std::string DecodeField(std::string_view field) {
    const std::int32_t startKey = HeaderNumber(field, 0, StartKeyDigits);
    const std::int32_t multiplier = HeaderNumber(field, StartKeyDigits, MultiplierDigits);
    const std::int32_t increment =
        HeaderNumber(field, StartKeyDigits + MultiplierDigits, IncrementDigits);
    const std::string body = FieldBytes(Piece(field, HeaderDigits, std::string_view::npos));
    // StreamDecode would decode only the first (length modulo 256) bytes: a cut text.
    if (body.size() > MaxFieldBytes) {
        throw ConversionError("a scrambled question text of " + std::to_string(body.size()) +
                              " bytes is longer than the " + std::to_string(MaxFieldBytes) +
                              " bytes the format can carry");
    }
    return StreamDecode(body, startKey, multiplier, increment);
}

}  // namespace xuehai
