// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "authoring/QuestionSource.h"

namespace xuehai::bank {

// Which question of a rebuilt bank continues which question of the old bank, so that the
// players' per-question statistics follow their question rather than its number:
//  1. a new question continues the old question with the same question text, wherever
//     either stands;
//  2. otherwise it continues the old question with its own number when that one was
//     reworded in place: its text is gone from the new source and its right answer reads
//     the same.
// Every other old question counts as removed, and its statistics go with it. The map is
// one to one, from old number to new number.
std::map<std::int64_t, std::int64_t> MatchQuestions(const std::vector<std::optional<Question>>& old,
                                                    const std::vector<Question>& fresh);

}  // namespace xuehai::bank
