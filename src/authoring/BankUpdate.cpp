// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/BankUpdate.h"

#include <optional>

#include "authoring/BankRows.h"
#include "authoring/Sql.h"
#include "authoring/StatsCarryOver.h"

namespace xuehai::bank {

namespace {

bool SameQuestion(const Question& a, const Question& b) {
    return a.text == b.text && a.answers == b.answers && a.right == b.right && a.flag == b.flag;
}

// The old questions by their number; a number outside 0 to N - 1, a second row with the
// same number and a row that does not decode leave no question to carry statistics from.
std::vector<std::optional<Question>> OldQuestions(const std::vector<StoredQuestion>& rows) {
    std::vector<std::optional<Question>> old(rows.size());
    for (const StoredQuestion& row : rows) {
        if (row.id && *row.id >= 0 && *row.id < static_cast<std::int64_t>(old.size()) &&
            !old[static_cast<std::size_t>(*row.id)]) {
            old[static_cast<std::size_t>(*row.id)] = DecodeQuestion(row);
        }
    }
    return old;
}

bool Unchanged(const std::vector<std::optional<Question>>& old,
               const std::vector<Question>& questions) {
    if (old.size() != questions.size()) {
        return false;
    }
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (!old[i] || !SameQuestion(*old[i], questions[i])) {
            return false;
        }
    }
    return true;
}

struct AnswerRow {
    std::int64_t question = 0;
    std::string player;
    std::int64_t right = 0;
    std::int64_t wrong = 0;
};

std::vector<AnswerRow> TakeAnswerRows(sqlite3* db) {
    std::vector<AnswerRow> rows;
    SqlStatement select(db,
                        "SELECT QuestionID, UserName, RightCount, WrongCount FROM [User-Question]");
    while (select.Step()) {
        rows.push_back(
            {select.Integer(0), select.Text(1).value_or(""), select.Integer(2), select.Integer(3)});
    }
    RunSql(db, "DELETE FROM [User-Question]");
    return rows;
}

}  // namespace

UpdateSummary UpdateBank(sqlite3* db, const std::vector<Question>& questions,
                         const std::function<void(std::size_t)>& progress) {
    UpdateSummary summary;
    const std::vector<std::optional<Question>> old = OldQuestions(ReadStoredQuestions(db));
    if (Unchanged(old, questions)) {
        return summary;
    }
    summary.changed = true;
    const auto match = MatchQuestions(old, questions);
    summary.questionsKept = match.size();

    RunSql(db, "DELETE FROM Question");
    InsertQuestions(db, questions, progress);

    const std::vector<AnswerRow> rows = TakeAnswerRows(db);
    SqlStatement insert(db,
                        "INSERT INTO [User-Question](QuestionID, UserName, RightCount, WrongCount) "
                        "VALUES(?, ?, ?, ?)");
    for (const AnswerRow& row : rows) {
        auto moved = match.find(row.question);
        if (moved == match.end()) {
            ++summary.rowsDropped;
            continue;
        }
        insert.Bind(1, moved->second).Bind(2, row.player).Bind(3, row.right).Bind(4, row.wrong);
        insert.Run();
        ++summary.rowsKept;
    }
    return summary;
}

std::string DescribeUpdate(const UpdateSummary& summary) {
    if (!summary.changed) {
        return "up to date; nothing written";
    }
    return "rewritten; the statistics of " + std::to_string(summary.questionsKept) +
           " earlier questions carried over (" + std::to_string(summary.rowsKept) +
           " player rows kept, " + std::to_string(summary.rowsDropped) +
           " of removed or replaced questions dropped)";
}

}  // namespace xuehai::bank
