// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldEncoder.h"

#include <cstdio>

#include "core/CodePage936.h"
#include "core/Errors.h"
#include "store/Cl_crypt32.h"

namespace xuehai {

namespace {

constexpr KeyTriple MasterKey{MasterStartKey, MasterMultiplier, MasterIncrement};

// A header number as its plain text of fixed width, scrambled with the master key.
std::string HeaderPiece(std::int32_t value, int width, std::int32_t limit, const char* what) {
    if (value < 0 || value > limit) {
        throw ConversionError(std::string(what) + " " + std::to_string(value) +
                              " is out of the range 0 to " + std::to_string(limit));
    }
    char text[8];
    std::snprintf(text, sizeof text, "%0*d", width, static_cast<int>(value));
    return BytesToDigits(StreamEncode(text, MasterKey));
}

}  // namespace

std::string StreamEncode(std::string_view plain, const KeyTriple& key) {
    auto k = static_cast<std::uint16_t>(key.startKey);
    const auto mul = static_cast<std::uint16_t>(key.multiplier);
    const auto inc = static_cast<std::uint16_t>(key.increment);
    std::string scrambled;
    scrambled.reserve(plain.size());
    for (const char p : plain) {
        const auto c = static_cast<std::uint8_t>(static_cast<std::uint8_t>(p) ^ (k >> 8));
        scrambled += static_cast<char>(c);
        k = static_cast<std::uint16_t>((static_cast<std::uint32_t>(k) + c) * mul + inc);
    }
    return scrambled;
}

std::string BytesToDigits(std::string_view bytes) {
    std::string digits;
    digits.reserve(bytes.size() * 3);
    for (const char b : bytes) {
        const auto value = static_cast<std::uint8_t>(b);
        digits += static_cast<char>('0' + value / 100);
        digits += static_cast<char>('0' + value / 10 % 10);
        digits += static_cast<char>('0' + value % 10);
    }
    return digits;
}

std::string EncodeField(std::string_view plain, const KeyTriple& key) {
    if (plain.size() > MaxFieldBytes) {
        throw ConversionError("a question text of " + std::to_string(plain.size()) +
                              " bytes is longer than the " + std::to_string(MaxFieldBytes) +
                              " bytes a stored field can carry");
    }
    return HeaderPiece(key.startKey, 3, 999, "start key") +
           HeaderPiece(key.multiplier, 5, 99999, "multiplier") +
           HeaderPiece(key.increment, 5, 99999, "increment") +
           BytesToDigits(StreamEncode(plain, key));
}

FieldEncoder::FieldEncoder() : random_(std::random_device{}()) {}

FieldEncoder::FieldEncoder(std::uint32_t seed) : random_(seed) {}

KeyTriple FieldEncoder::NextKey() {
    std::uniform_int_distribution<std::int32_t> start(0, 999);
    std::uniform_int_distribution<std::int32_t> factor(0, 99999);
    KeyTriple key;
    key.startKey = start(random_);
    // An odd multiplier lets every scrambled byte change all later keys.
    key.multiplier = factor(random_) | 1;
    key.increment = factor(random_);
    return key;
}

std::string FieldEncoder::Encode(std::string_view plain) {
    return EncodeField(plain, NextKey());
}

std::string FieldEncoder::EncodeUtf8(std::string_view utf8) {
    return Encode(Utf8ToCp936(utf8));
}

}  // namespace xuehai
