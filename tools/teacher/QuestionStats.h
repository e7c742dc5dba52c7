// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>

struct sqlite3;

namespace xuehai::teacher {

// How a question of a bank went with the players: how many answered it and how often right.
struct QuestionStats {
    std::int64_t players = 0;
    std::int64_t right = 0;
    std::int64_t wrong = 0;

    double ShareRight() const {
        return right + wrong == 0 ? 0.0
                                  : static_cast<double>(right) / static_cast<double>(right + wrong);
    }
};

// By question number.
std::map<std::int64_t, QuestionStats> ReadQuestionStats(sqlite3* db);

}  // namespace xuehai::teacher
