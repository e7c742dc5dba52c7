// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xuehai::subjects {

// One place of the map: where it stands in the map's world and which region holds it.
struct MapPlace {
    std::string code;
    std::string name;
    int region = 1;
    int x = 0;
    int y = 0;
};

// The map's subject list (Xuehai/Ui/Subjects.js), as make-subjects-js.cmake writes it: one
//     {code: "001", name: "语文", region: 1, x: 180, y: 150},
// line per subject inside "var list = [" ... "];". Throws SubjectRefusal for a text that
// is not of that form, since rewriting a file one cannot read could lose its subjects.
std::vector<MapPlace> ParseMapSubjects(std::string_view text);

// The text with the subject added after the last one; everything else stays as it was.
std::string WithMapSubject(std::string_view text, const MapPlace& subject);

}  // namespace xuehai::subjects
