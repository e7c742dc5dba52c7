// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "authoring/QuestionSource.h"

struct sqlite3;

namespace xuehai::bank {

// What a rebuild did to the players' statistics.
struct UpdateSummary {
    bool changed = false;           // false: the bank already held exactly these questions
    std::size_t questionsKept = 0;  // old questions whose statistics moved along
    std::size_t rowsKept = 0;       // player-and-question rows carried over
    std::size_t rowsDropped = 0;    // rows of questions that were removed or replaced
};

// Puts questions into an open bank inside the caller's transaction. A bank that already
// holds exactly these questions is left alone. Otherwise the questions are replaced and
// each player's per-question rows follow their question (see MatchQuestions); the
// per-player totals of the subject stay as they are, since they count answers once given.
// progress, when given, is told the number of questions written so far.
UpdateSummary UpdateBank(sqlite3* db, const std::vector<Question>& questions,
                         const std::function<void(std::size_t)>& progress = {});

std::string DescribeUpdate(const UpdateSummary& summary);

}  // namespace xuehai::bank
