// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerDialect.h"

#include "store/SqlDialect.h"

namespace xuehai {

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A quoted name written as the server reads it: in double quotes, in lower case.
std::string ServerName(std::string_view quoted, char close) {
    std::string_view inner = quoted.substr(1);
    if (!inner.empty() && inner.back() == close) {
        inner.remove_suffix(1);
    }
    std::string name = "\"";
    for (std::size_t i = 0; i < inner.size(); ++i) {
        const char c = inner[i];
        if (c == close && close != ']' && i + 1 < inner.size() && inner[i + 1] == close) {
            ++i;
        }
        if (c == '"') {
            name += '"';
        }
        name += Lower(c);
    }
    return name + '"';
}

}  // namespace

std::string TranslateForServer(std::string_view source) {
    const std::string divided = RewriteDivision(source);
    const std::string_view sql = divided;
    std::string out;
    out.reserve(sql.size() + 8);
    std::size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        std::size_t next = SqlPieceEnd(sql, i);
        if (c == '"' || c == '`' || c == '[') {
            out += ServerName(sql.substr(i, next - i), c == '[' ? ']' : c);
            i = next;
            continue;
        }
        if (next == i + 1 && IsNameCharacter(c)) {
            while (next < sql.size() && IsNameCharacter(sql[next])) {
                ++next;
            }
            const std::string_view word = sql.substr(i, next - i);
            std::size_t after = next;
            while (after < sql.size() && (sql[after] == ' ' || sql[after] == '\t')) {
                ++after;
            }
            const bool isInt = word.size() == 3 && Lower(word[0]) == 'i' && Lower(word[1]) == 'n' &&
                               Lower(word[2]) == 't';
            if (isInt && after < sql.size() && sql[after] == '(' && (i == 0 || sql[i - 1] != '.')) {
                out += "floor";
                i = next;
                continue;
            }
        }
        out.append(sql.substr(i, next - i));
        i = next;
    }
    return out;
}

}  // namespace xuehai
