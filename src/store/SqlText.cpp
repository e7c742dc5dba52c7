// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqlText.h"

namespace xuehai {

std::string EscapeQuotes(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\'') {
            escaped += '\'';
        }
        escaped += c;
    }
    return escaped;
}

}  // namespace xuehai
