// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace xuehai::bank {

// A character test as its author writes it: a title and one or more test types, each with
// items of three answers worth some points, and evaluation texts for ranges of the total.
struct QuestionnaireItem {
    std::string text;
    std::array<std::string, 3> answers;  // A to C
    std::array<int, 3> points{};
};

struct EvaluationRange {
    int low = 0;
    int high = 0;  // inclusive, like low
    std::string text;
};

struct QuestionnaireType {
    std::string name;
    std::vector<QuestionnaireItem> items;
    std::vector<EvaluationRange> ranges;
};

struct Questionnaire {
    std::string title;
    std::vector<QuestionnaireType> types;  // numbered 1.. in this order
};

}  // namespace xuehai::bank
