// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/SourceProblem.h"

namespace xuehai::bank {

// One question as an author writes it, in UTF-8.
struct Question {
    std::string text;
    std::array<std::string, 4> answers;  // A to D
    std::string right;                   // "A" to "D" in a source; as stored in a bank
    std::string flag;                    // difficulty, a whole number handed to the movie
};

// The header line that a question source may start with and that dump writes.
inline const std::vector<std::string> kQuestionHeader = {"question", "A",     "B",   "C",
                                                         "D",        "right", "flag"};

struct QuestionSource {
    std::vector<Question> questions;
    std::vector<int> lines;  // the source line of each question
    SourceProblems problems;
};

// Reads and checks a question source: seven columns, texts the game can show (not empty,
// in code page 936, at most 255 bytes there), a right letter A to D (a to d read as upper
// case, as the game reads them), a whole-number flag,
// four different answers, and no question asked twice. Every problem is listed with its
// line; the questions are only usable when there is none.
QuestionSource ReadQuestionSource(std::string_view csvText);

// The source text of questions, header first, as ReadQuestionSource reads it back.
std::string WriteQuestionSource(const std::vector<Question>& questions);

}  // namespace xuehai::bank
