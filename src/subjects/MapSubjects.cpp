// SPDX-License-Identifier: GPL-3.0-or-later
#include "subjects/MapSubjects.h"

#include <regex>

#include "subjects/SubjectRefusal.h"

namespace xuehai::subjects {

namespace {

constexpr std::string_view kListStart = "var list = [";
constexpr std::string_view kListEnd = "];";

struct ListBounds {
    std::size_t entries;  // first character after the opening line
    std::size_t end;      // start of the closing line
};

ListBounds FindList(std::string_view text) {
    const std::size_t start = text.find(kListStart);
    const std::size_t open = start == std::string_view::npos ? start : text.find('\n', start);
    const std::size_t end = open == std::string_view::npos ? open : text.find(kListEnd, open);
    if (end == std::string_view::npos) {
        throw SubjectRefusal("地图的科目表（Xuehai/Ui/Subjects.js）看不懂：找不到科目列表。");
    }
    return {open + 1, end};
}

std::string Line(const MapPlace& p) {
    return "    {code: \"" + p.code + "\", name: \"" + p.name +
           "\", region: " + std::to_string(p.region) + ", x: " + std::to_string(p.x) +
           ", y: " + std::to_string(p.y) + "},\n";
}

}  // namespace

std::vector<MapPlace> ParseMapSubjects(std::string_view text) {
    static const std::regex entry(
        R"re(\s*\{code: "([0-9]+)", name: "([^"\\]*)", region: ([1-9]), x: ([0-9]{1,5}), y: ([0-9]{1,5})\},\s*)re");
    const ListBounds list = FindList(text);
    std::vector<MapPlace> places;
    std::string_view rest = text.substr(list.entries, list.end - list.entries);
    int number = 0;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('\n');
        const std::string line(rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
        std::smatch m;
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        ++number;
        if (!std::regex_match(line, m, entry)) {
            throw SubjectRefusal("地图的科目表（Xuehai/Ui/Subjects.js）看不懂：第 " +
                                 std::to_string(number) + " 个科目写法不对。");
        }
        places.push_back(
            {m[1], m[2], std::stoi(m[3]), std::stoi(m[4].str()), std::stoi(m[5].str())});
    }
    return places;
}

std::string WithMapSubject(std::string_view text, const MapPlace& subject) {
    const ListBounds list = FindList(text);
    // The closing line may be indented; the new line goes before its start.
    const std::size_t lineStart = text.rfind('\n', list.end) + 1;
    std::string result(text.substr(0, lineStart));
    result += Line(subject);
    result += text.substr(lineStart);
    return result;
}

}  // namespace xuehai::subjects
