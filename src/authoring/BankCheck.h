// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace xuehai::bank {

// The kinds of trouble a bank can hold that would hurt play, in the order check reports
// them.
enum class BankProblemKind {
    NoQuestions,        // the game's draw would never end
    Null,               // a NULL where the game reads a value: the question request fails
    NumberOutOfRange,   // a QAID outside 0 to N - 1 is never drawn
    NumberTwice,        // a repeated QAID leaves another number free, and one row unseen
    Undecodable,        // a scrambled field that does not decode fails the request
    EmptyText,          // a field that decodes to nothing shows an empty card
    RightAnswer,        // an empty or odd right answer marks every answer wrong
    SameAnswers,        // two answers that read alike: one of them counts as wrong
    DuplicateQuestion,  // the same question twice
    StrayStatistics,    // answers of a question the bank does not hold inflate completion
};

struct BankProblem {
    BankProblemKind kind;
    std::string where;   // "question 12 (row 13)"
    std::string detail;  // which column and what is wrong
};

// Reads the bank and lists its problems; changes nothing, so a second run finds the same.
std::vector<BankProblem> CheckBank(sqlite3* db);

// A heading for the kind, such as "numbers outside 0 to N - 1".
std::string KindTitle(BankProblemKind kind);

}  // namespace xuehai::bank
