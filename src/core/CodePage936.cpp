// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodePage936.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

#include "Errors.h"

namespace xuehai {

namespace {

struct IconvCloser {
    void operator()(iconv_t* cd) const {
        iconv_close(*cd);
        delete cd;
    }
};
using Converter = std::unique_ptr<iconv_t, IconvCloser>;

Converter OpenConverter(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw ConversionError(std::string("the system cannot convert ") + from + " to " + to);
    }
    return Converter(new iconv_t(cd));
}

// Runs iconv over the whole input; onInvalid decides what an unconvertible sequence becomes
// and returns false to give up.
template <typename OnInvalid>
bool Convert(iconv_t cd, std::string_view in, std::string& out, OnInvalid onInvalid) {
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[512];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            if (!onInvalid(out)) {
                return false;
            }
            // EINVAL (a cut-off sequence at the end) and EILSEQ both skip one byte.
            ++src;
            --srcLeft;
        }
    }
    return true;
}

}  // namespace

std::string Utf8ToCp936(std::string_view utf8) {
    Converter cd = OpenConverter("CP936", "UTF-8");
    std::string out;
    if (!Convert(*cd, utf8, out, [](std::string&) { return false; })) {
        throw ConversionError("'" + std::string(utf8) +
                              "' holds a character that code page 936 cannot store");
    }
    return out;
}

std::string Cp936ToUtf8(std::string_view cp936) {
    Converter cd = OpenConverter("UTF-8", "CP936");
    std::string out;
    Convert(*cd, cp936, out, [](std::string& o) {
        o += "\xEF\xBF\xBD";
        return true;
    });
    return out;
}

bool FitsCp936(std::string_view utf8) {
    try {
        Utf8ToCp936(utf8);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::size_t Cp936Length(std::string_view utf8) {
    return Utf8ToCp936(utf8).size();
}

}  // namespace xuehai
