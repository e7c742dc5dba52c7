// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/SourceText.h"

#include "core/CodePage936.h"
#include "core/Errors.h"
#include "core/IntegerText.h"

namespace xuehai::bank {

namespace {

// Length of the UTF-8 sequence starting with lead, or 0 for a byte that cannot start one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The first character that code page 936 cannot hold, or a fault of broken UTF-8.
TextFault FirstUnfitCharacter(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = SequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (length == 0 || pos + length > utf8.size()) {
            return {TextFault::NotUtf8, {}, 0};
        }
        std::string_view character = utf8.substr(pos, length);
        if (!FitsCp936(character)) {
            return {TextFault::Unfit, std::string(character), 0};
        }
        pos += length;
    }
    return {TextFault::NotUtf8, {}, 0};
}

}  // namespace

std::optional<TextFault> FindTextFault(std::string_view utf8, std::optional<std::size_t> maxBytes) {
    std::string cp936;
    try {
        cp936 = Utf8ToCp936(utf8);
    } catch (const ConversionError&) {
        return FirstUnfitCharacter(utf8);
    }
    if (maxBytes && cp936.size() > *maxBytes) {
        return TextFault{TextFault::TooLong, {}, cp936.size()};
    }
    return std::nullopt;
}

std::string DescribeTextFault(const TextFault& fault, std::size_t maxBytes) {
    switch (fault.kind) {
        case TextFault::Unfit:
            return "holds the character '" + fault.character + "', which code page 936 cannot hold";
        case TextFault::TooLong:
            return "is " + std::to_string(fault.bytes) +
                   " bytes long in code page 936, more than " + std::to_string(maxBytes) +
                   " (a Chinese character counts two)";
        case TextFault::NotUtf8:
            break;
    }
    return "holds a byte that is not UTF-8 text (save the file as UTF-8)";
}

std::optional<std::string> TextProblem(std::string_view utf8, std::optional<std::size_t> maxBytes) {
    const std::optional<TextFault> fault = FindTextFault(utf8, maxBytes);
    if (!fault) {
        return std::nullopt;
    }
    return DescribeTextFault(*fault, maxBytes.value_or(0));
}

std::optional<int> PlainInteger(std::string_view text) {
    try {
        int value = StrToInt(text);
        if (std::to_string(value) == text) {
            return value;
        }
    } catch (const ConversionError&) {
    }
    return std::nullopt;
}

}  // namespace xuehai::bank
