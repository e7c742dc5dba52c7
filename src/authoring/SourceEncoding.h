// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace xuehai::bank {

// How a source file's bytes were written. Spreadsheets on Chinese systems save CSV in GBK
// (or its superset GB18030) by default; every other source is UTF-8.
enum class SourceEncoding { Utf8, Utf8WithMark, Gb18030 };

struct DecodedSource {
    std::string utf8;
    SourceEncoding encoding = SourceEncoding::Utf8;
};

// Valid UTF-8 (a leading byte order mark kept, the CSV reader drops it) is taken as it is;
// otherwise text that reads as GB18030 is converted to UTF-8. Anything else is handed on
// unchanged, so the checks name the first byte that is not text.
DecodedSource DecodeSource(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view bytes);

}  // namespace xuehai::bank
