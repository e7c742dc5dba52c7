// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/StatsCarryOver.h"

#include <set>
#include <string>
#include <unordered_map>

namespace xuehai::bank {

namespace {

const std::string* RightAnswer(const Question& q) {
    if (q.right.empty()) {
        return nullptr;
    }
    char letter = q.right[0];
    if (letter >= 'a' && letter <= 'd') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (letter < 'A' || letter > 'D') {
        return nullptr;
    }
    return &q.answers[static_cast<std::size_t>(letter - 'A')];
}

}  // namespace

std::map<std::int64_t, std::int64_t> MatchQuestions(const std::vector<std::optional<Question>>& old,
                                                    const std::vector<Question>& fresh) {
    std::unordered_map<std::string, std::int64_t> freshByText;
    for (std::size_t j = 0; j < fresh.size(); ++j) {
        freshByText.emplace(fresh[j].text, static_cast<std::int64_t>(j));
    }

    std::map<std::int64_t, std::int64_t> match;
    std::set<std::int64_t> taken;
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (!old[i]) {
            continue;
        }
        auto same = freshByText.find(old[i]->text);
        if (same != freshByText.end() && taken.insert(same->second).second) {
            match.emplace(static_cast<std::int64_t>(i), same->second);
        }
    }

    for (std::size_t j = 0; j < fresh.size() && j < old.size(); ++j) {
        const auto number = static_cast<std::int64_t>(j);
        if (taken.contains(number) || match.contains(number) || !old[j] ||
            freshByText.contains(old[j]->text)) {
            continue;
        }
        const std::string* before = RightAnswer(*old[j]);
        const std::string* after = RightAnswer(fresh[j]);
        if (before != nullptr && after != nullptr && *before == *after) {
            match.emplace(number, number);
            taken.insert(number);
        }
    }
    return match;
}

}  // namespace xuehai::bank
