// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/ReachableTotals.h"

#include <algorithm>

namespace xuehai::bank {

std::vector<int> ReachableTotals(const std::vector<QuestionnaireItem>& items) {
    int low = 0;
    int high = 0;
    for (const QuestionnaireItem& item : items) {
        low += *std::min_element(item.points.begin(), item.points.end());
        high += *std::max_element(item.points.begin(), item.points.end());
    }
    // reachable[t - low] after each item; the span stays small because the source limits
    // both the points of an answer and the number of items.
    std::vector<char> reachable(static_cast<std::size_t>(high - low + 1), 0);
    int sumLow = 0;
    reachable[0] = 1;
    int spanUsed = 0;
    for (const QuestionnaireItem& item : items) {
        int itemLow = *std::min_element(item.points.begin(), item.points.end());
        int itemHigh = *std::max_element(item.points.begin(), item.points.end());
        std::vector<char> next(reachable.size(), 0);
        for (int offset = 0; offset <= spanUsed; ++offset) {
            if (!reachable[static_cast<std::size_t>(offset)]) {
                continue;
            }
            for (int points : item.points) {
                next[static_cast<std::size_t>(offset + points - itemLow)] = 1;
            }
        }
        reachable.swap(next);
        sumLow += itemLow;
        spanUsed += itemHigh - itemLow;
    }
    std::vector<int> totals;
    for (int offset = 0; offset <= spanUsed; ++offset) {
        if (reachable[static_cast<std::size_t>(offset)]) {
            totals.push_back(sumLow + offset);
        }
    }
    return totals;
}

RangeCoverage CheckCoverage(const QuestionnaireType& type) {
    RangeCoverage coverage;
    for (int total : ReachableTotals(type.items)) {
        std::vector<std::size_t> holding;
        for (std::size_t i = 0; i < type.ranges.size(); ++i) {
            if (type.ranges[i].low <= total && total <= type.ranges[i].high) {
                holding.push_back(i);
            }
        }
        if (holding.empty()) {
            coverage.uncovered.push_back(total);
        } else if (holding.size() > 1) {
            coverage.overlaps.push_back({total, std::move(holding)});
        }
    }
    return coverage;
}

std::string DescribeTotals(const std::vector<int>& totals) {
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < totals.size();) {
        std::size_t j = i;
        while (j + 1 < totals.size() && totals[j + 1] == totals[j] + 1) {
            ++j;
        }
        runs.push_back(j == i ? std::to_string(totals[i])
                              : std::to_string(totals[i]) + " to " + std::to_string(totals[j]));
        i = j + 1;
    }
    std::string text;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i > 0) {
            text += i + 1 == runs.size() ? " and " : ", ";
        }
        text += runs[i];
    }
    return text;
}

}  // namespace xuehai::bank
