// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/SourceEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace xuehai::bank {

namespace {

// The whole text converted by glibc's iconv, or nothing at the first byte that is not
// GB18030.
std::optional<std::string> FromGb18030(std::string_view bytes) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno != E2BIG) {
            ok = false;
            break;
        }
        const std::size_t used = static_cast<std::size_t>(to - out.data());
        out.resize(out.size() * 2);
        to = out.data() + used;
        outLeft = out.size() - used;
    }
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (pos + length > bytes.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[pos + i]);
            if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
                return false;
            }
        }
        pos += length;
    }
    return true;
}

DecodedSource DecodeSource(std::string_view bytes) {
    if (IsUtf8(bytes)) {
        const bool mark = bytes.starts_with("\xEF\xBB\xBF");
        return {std::string(bytes), mark ? SourceEncoding::Utf8WithMark : SourceEncoding::Utf8};
    }
    if (std::optional<std::string> converted = FromGb18030(bytes)) {
        return {std::move(*converted), SourceEncoding::Gb18030};
    }
    return {std::string(bytes), SourceEncoding::Utf8};
}

}  // namespace xuehai::bank
