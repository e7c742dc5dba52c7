// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "authoring/Questionnaire.h"

namespace xuehai::bank {

// Every total a player can reach by answering all items of the type, in increasing order.
std::vector<int> ReachableTotals(const std::vector<QuestionnaireItem>& items);

// How the evaluation ranges of a type meet its reachable totals: the totals no range holds
// (the game would show an empty evaluation) and those two or more ranges hold (only the last
// one would ever be shown), with the indexes of those ranges.
struct RangeCoverage {
    std::vector<int> uncovered;
    struct Overlap {
        int total = 0;
        std::vector<std::size_t> ranges;
    };
    std::vector<Overlap> overlaps;
};

RangeCoverage CheckCoverage(const QuestionnaireType& type);

// "3, 5 to 9 and 12": a sorted list of totals written for a person.
std::string DescribeTotals(const std::vector<int>& totals);

}  // namespace xuehai::bank
