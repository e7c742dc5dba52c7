// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "authoring/QuestionSource.h"
#include "authoring/SourceText.h"

namespace xuehai::bank {

// The columns of a question, in the order of a source line and of the editor's table.
enum QuestionColumn : int {
    kColumnText = 0,
    kColumnA,
    kColumnB,
    kColumnC,
    kColumnD,
    kColumnRight,
    kColumnFlag,
    kQuestionColumns
};

// Why one column of a question keeps the bank from being built.
struct QuestionProblem {
    enum Kind { EmptyText, BadText, SameAnswers, RightLetter, Flag, Duplicate } kind = EmptyText;
    int column = kColumnText;
    TextFault text;     // BadText
    int other = -1;     // SameAnswers: the other answer's column; Duplicate: earlier index
    std::string value;  // RightLetter, Flag: what was written
};

// The right letter as the game reads it: a lower-case a to d stands for its upper case.
std::string NormalRightLetter(const std::string& right);

// Every problem of one question on its own, in column order (the right letter is read
// through NormalRightLetter).
std::vector<QuestionProblem> CheckQuestion(const Question& question);

// The problems of each question of a bank to be, a question asked twice included: the
// later one is refused and points at the first.
std::vector<std::vector<QuestionProblem>> CheckQuestions(const std::vector<Question>& questions);

// The tool's wording: "answer B is empty".
std::string DescribeProblem(const QuestionProblem& problem);

}  // namespace xuehai::bank
