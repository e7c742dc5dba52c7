// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConnectionString.h"

#include <algorithm>

#include "core/Errors.h"

namespace xuehai {

namespace {

constexpr std::string_view GameDriver = "{Microsoft Access Driver (*.mdb)}";

bool SameKey(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::string MakeConnectionString(std::string_view path) {
    std::string text(ConnectionPrefix);
    text += "dbq=";
    text += path;
    return text;
}

ConnectionSettings ParseConnectionString(std::string_view text) {
    ConnectionSettings settings;
    bool haveDatabase = false;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t equals = rest.find('=');
        if (equals == std::string_view::npos) {
            if (!Trim(rest).empty()) {
                throw DatabaseError("connection string part '" + std::string(rest) +
                                    "' has no '='");
            }
            break;
        }
        const std::string_view key = Trim(rest.substr(0, equals));
        rest.remove_prefix(equals + 1);
        if (SameKey(key, "dbq")) {
            settings.database = std::string(rest);
            haveDatabase = true;
            break;
        }
        std::size_t end = 0;
        if (!rest.empty() && rest.front() == '{') {
            end = rest.find('}');
            end = end == std::string_view::npos ? rest.size() : end + 1;
        }
        end = rest.find(';', end);
        const std::string_view value = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (SameKey(key, "driver")) {
            settings.driver = std::string(Trim(value));
        } else if (SameKey(key, "pwd")) {
            settings.password = std::string(value);
        }
    }
    if (!haveDatabase) {
        throw DatabaseError("connection string '" + std::string(text) +
                            "' names no database file (dbq=)");
    }
    if (!SameKey(settings.driver, GameDriver)) {
        throw DatabaseError("connection string driver '" + settings.driver + "' is not " +
                            std::string(GameDriver));
    }
    return settings;
}

}  // namespace xuehai
