// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/QuestionSource.h"

struct sqlite3;

namespace xuehai::bank {

// A row of a bank's Question table as stored, NULLs kept, in the order of the question
// numbers.
struct StoredQuestion {
    std::int64_t row = 0;            // SQLite's row id: tells rows apart when numbers repeat
    std::optional<std::int64_t> id;  // QAID when it is stored as a whole number
    std::string idText;              // QAID as stored, for messages
    std::array<std::optional<std::string>, 5> fields;  // QACont, QAA to QAD, scrambled
    std::optional<std::string> right;
    std::optional<std::string> flag;
};

inline constexpr std::array<const char*, 5> kFieldColumns = {"QACont", "QAA", "QAB", "QAC", "QAD"};

std::vector<StoredQuestion> ReadStoredQuestions(sqlite3* db);

// A stored field as UTF-8; throws ConversionError when it does not decode or its bytes
// are not code page 936 text.
std::string DecodeText(std::string_view field);

// A whole row decoded; nothing when any part of it is NULL or does not decode.
std::optional<Question> DecodeQuestion(const StoredQuestion& stored);

// The decoded questions of a bank numbered 0 to N - 1, the way build writes them; throws
// ToolError (kExitProblems) naming the first row that is not, and pointing at check.
std::vector<Question> ReadBankQuestions(sqlite3* db);
// The same rule for rows read otherwise (from a server), in the order of their numbers.
std::vector<Question> BankQuestions(const std::vector<StoredQuestion>& rows);

// Writes questions numbered 0 to N - 1 into an empty Question table, each text scrambled
// with its own random key; progress, when given, is told the number written so far.
void InsertQuestions(sqlite3* db, const std::vector<Question>& questions,
                     const std::function<void(std::size_t)>& progress = {});

}  // namespace xuehai::bank
