// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace xuehai {

// Writing the scrambled question-text format that DecodeField (store/Cl_crypt32.h) reads.
// The game only decodes; the bank tools and the tests encode.

// A field's own key; the header stores the start key as 3 decimal digits and the
// multiplier and increment as 5 each, so these are their ranges.
struct KeyTriple {
    std::int32_t startKey = 0;    // 0 to 999
    std::int32_t multiplier = 0;  // 0 to 99999
    std::int32_t increment = 0;   // 0 to 99999
};

// The inverse of StreamDecode: StreamDecode(StreamEncode(p, k), k) == p for every p of at
// most 255 bytes. The key advances with each scrambled byte, as the decoder expects.
std::string StreamEncode(std::string_view plain, const KeyTriple& key);

// Each byte as three decimal digits, "000" to "255": the inverse of DigitsToBytes.
std::string BytesToDigits(std::string_view bytes);

// The stored field of plain (code page 936 bytes) under key: a 39-digit header, then the
// text. Throws ConversionError when plain is longer than 255 bytes or a key part is out of
// its range.
std::string EncodeField(std::string_view plain, const KeyTriple& key);

// Scrambles field after field, each with a fresh random key triple. Given a seed, the
// output is the same on every run, so a build of the banks is reproducible.
class FieldEncoder {
public:
    FieldEncoder();  // seeded from the system's random device
    explicit FieldEncoder(std::uint32_t seed);

    KeyTriple NextKey();
    // plain is code page 936 bytes.
    std::string Encode(std::string_view plain);
    // Converts UTF-8 to code page 936 first; throws ConversionError for a character that
    // code page 936 cannot hold.
    std::string EncodeUtf8(std::string_view utf8);

private:
    std::mt19937 random_;
};

}  // namespace xuehai
