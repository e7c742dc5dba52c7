// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionCheck.h"

#include <array>
#include <map>

namespace xuehai::bank {

namespace {

const std::array<const char*, 5> kTextNames = {"the question", "answer A", "answer B", "answer C",
                                               "answer D"};

const std::string& ColumnText(const Question& q, int column) {
    return column == kColumnText ? q.text : q.answers[static_cast<std::size_t>(column - kColumnA)];
}

}  // namespace

std::string NormalRightLetter(const std::string& right) {
    if (right.size() == 1 && right[0] >= 'a' && right[0] <= 'd') {
        return std::string(1, static_cast<char>(right[0] - 'a' + 'A'));
    }
    return right;
}

std::vector<QuestionProblem> CheckQuestion(const Question& q) {
    std::vector<QuestionProblem> problems;
    for (int column = kColumnText; column <= kColumnD; ++column) {
        const std::string& text = ColumnText(q, column);
        if (text.empty()) {
            problems.push_back({QuestionProblem::EmptyText, column, {}, -1, {}});
        } else if (auto fault = FindTextFault(text, kMaxFieldBytes)) {
            problems.push_back({QuestionProblem::BadText, column, *fault, -1, {}});
        }
    }
    for (int i = kColumnA; i <= kColumnD; ++i) {
        for (int j = i + 1; j <= kColumnD; ++j) {
            if (!ColumnText(q, i).empty() && ColumnText(q, i) == ColumnText(q, j)) {
                problems.push_back({QuestionProblem::SameAnswers, i, {}, j, {}});
            }
        }
    }
    const std::string right = NormalRightLetter(q.right);
    if (right.size() != 1 || right[0] < 'A' || right[0] > 'D') {
        problems.push_back({QuestionProblem::RightLetter, kColumnRight, {}, -1, q.right});
    }
    if (!PlainInteger(q.flag)) {
        problems.push_back({QuestionProblem::Flag, kColumnFlag, {}, -1, q.flag});
    }
    return problems;
}

std::vector<std::vector<QuestionProblem>> CheckQuestions(const std::vector<Question>& questions) {
    std::vector<std::vector<QuestionProblem>> problems(questions.size());
    std::map<std::string, int> first;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        problems[i] = CheckQuestion(questions[i]);
        auto [seen, inserted] = first.emplace(questions[i].text, static_cast<int>(i));
        if (!inserted) {
            problems[i].push_back({QuestionProblem::Duplicate, kColumnText, {}, seen->second, {}});
        }
    }
    return problems;
}

std::string DescribeProblem(const QuestionProblem& problem) {
    const std::string name = problem.column <= kColumnD
                                 ? kTextNames[static_cast<std::size_t>(problem.column)]
                                 : std::string();
    switch (problem.kind) {
        case QuestionProblem::EmptyText:
            return name + " is empty";
        case QuestionProblem::BadText:
            return name + " " + DescribeTextFault(problem.text);
        case QuestionProblem::SameAnswers:
            return name + " and " + kTextNames[static_cast<std::size_t>(problem.other)] +
                   " are the same text";
        case QuestionProblem::RightLetter:
            return "the right answer is '" + problem.value +
                   "'; it must be one of the letters A, B, C, D";
        case QuestionProblem::Flag:
            return "the flag is '" + problem.value +
                   "'; it must be a whole number such as 1, 2 or 3";
        case QuestionProblem::Duplicate:
            return "the same question as question " + std::to_string(problem.other + 1);
    }
    return {};
}

}  // namespace xuehai::bank
