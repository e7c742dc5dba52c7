// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/BankCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "authoring/BankRows.h"
#include "authoring/Sql.h"
#include "core/Errors.h"

namespace xuehai::bank {

namespace {

std::string Where(const StoredQuestion& q) {
    return "question " + q.idText + " (row " + std::to_string(q.row) + ")";
}

class BankChecker {
public:
    explicit BankChecker(sqlite3* db) : db_(db), rows_(ReadStoredQuestions(db)) {}

    std::vector<BankProblem> Run() {
        if (rows_.empty()) {
            Add(BankProblemKind::NoQuestions, "the bank", "the Question table has no rows");
        }
        CheckNumbers();
        for (const StoredQuestion& q : rows_) {
            CheckRow(q);
        }
        CheckStatistics();
        std::stable_sort(
            problems_.begin(), problems_.end(),
            [](const BankProblem& a, const BankProblem& b) { return a.kind < b.kind; });
        return std::move(problems_);
    }

private:
    void CheckNumbers() {
        const auto count = static_cast<std::int64_t>(rows_.size());
        std::map<std::int64_t, const StoredQuestion*> first;
        for (const StoredQuestion& q : rows_) {
            if (!q.id || *q.id < 0 || *q.id >= count) {
                Add(BankProblemKind::NumberOutOfRange, Where(q),
                    "QAID " + q.idText + " is not a whole number from 0 to " +
                        std::to_string(count - 1));
                continue;
            }
            auto [seen, inserted] = first.emplace(*q.id, &q);
            if (!inserted) {
                Add(BankProblemKind::NumberTwice, Where(q),
                    "the same QAID as row " + std::to_string(seen->second->row));
            }
        }
    }

    void CheckRow(const StoredQuestion& q) {
        std::array<std::optional<std::string>, 5> texts;
        for (std::size_t i = 0; i < q.fields.size(); ++i) {
            texts[i] = CheckField(q, kFieldColumns[i], q.fields[i]);
        }
        if (!q.flag) {
            Add(BankProblemKind::Null, Where(q), "QAFLAG is NULL");
        }
        CheckRight(q);
        CheckAnswers(q, texts);
        if (texts[0] && !texts[0]->empty()) {
            auto [seen, inserted] = questionRows_.emplace(*texts[0], &q);
            if (!inserted) {
                Add(BankProblemKind::DuplicateQuestion, Where(q),
                    "asks the same as " + Where(*seen->second));
            }
        }
    }

    std::optional<std::string> CheckField(const StoredQuestion& q, const char* column,
                                          const std::optional<std::string>& field) {
        if (!field) {
            Add(BankProblemKind::Null, Where(q), std::string(column) + " is NULL");
            return std::nullopt;
        }
        std::string text;
        try {
            text = DecodeText(*field);
        } catch (const ConversionError& error) {
            Add(BankProblemKind::Undecodable, Where(q), std::string(column) + ": " + error.what());
            return std::nullopt;
        }
        if (text.empty()) {
            Add(BankProblemKind::EmptyText, Where(q), std::string(column) + " decodes to nothing");
        }
        return text;
    }

    void CheckRight(const StoredQuestion& q) {
        if (!q.right) {
            Add(BankProblemKind::Null, Where(q), "QARight is NULL");
            return;
        }
        if (q.right->empty() ||
            std::string_view("ABCDabcd").find((*q.right)[0]) == std::string_view::npos) {
            Add(BankProblemKind::RightAnswer, Where(q),
                "QARight is '" + *q.right + "'; its first letter must be A, B, C or D");
        }
    }

    void CheckAnswers(const StoredQuestion& q,
                      const std::array<std::optional<std::string>, 5>& texts) {
        static const char* letters = "ABCD";
        for (std::size_t i = 1; i < 5; ++i) {
            for (std::size_t j = i + 1; j < 5; ++j) {
                if (texts[i] && texts[j] && !texts[i]->empty() && *texts[i] == *texts[j]) {
                    Add(BankProblemKind::SameAnswers, Where(q),
                        std::string("answers ") + letters[i - 1] + " and " + letters[j - 1] +
                            " both read '" + *texts[i] + "'");
                }
            }
        }
    }

    void CheckStatistics() {
        SqlStatement stray(db_,
                           "SELECT QuestionID, COUNT(*) FROM [User-Question] "
                           "WHERE QuestionID NOT IN (SELECT QAID FROM Question) "
                           "GROUP BY QuestionID ORDER BY QuestionID");
        while (stray.Step()) {
            Add(BankProblemKind::StrayStatistics, "question " + stray.Text(0).value_or("NULL"),
                std::to_string(stray.Integer(1)) +
                    " player row(s) in User-Question, but no such question");
        }
    }

    void Add(BankProblemKind kind, std::string where, std::string detail) {
        problems_.push_back({kind, std::move(where), std::move(detail)});
    }

    sqlite3* db_;
    std::vector<StoredQuestion> rows_;
    std::map<std::string, const StoredQuestion*> questionRows_;
    std::vector<BankProblem> problems_;
};

}  // namespace

std::vector<BankProblem> CheckBank(sqlite3* db) {
    return BankChecker(db).Run();
}

std::string KindTitle(BankProblemKind kind) {
    switch (kind) {
        case BankProblemKind::NoQuestions:
            return "no questions";
        case BankProblemKind::Null:
            return "NULL values";
        case BankProblemKind::NumberOutOfRange:
            return "numbers outside 0 to N - 1";
        case BankProblemKind::NumberTwice:
            return "numbers used twice";
        case BankProblemKind::Undecodable:
            return "fields that do not decode";
        case BankProblemKind::EmptyText:
            return "empty texts";
        case BankProblemKind::RightAnswer:
            return "empty or odd right answers";
        case BankProblemKind::SameAnswers:
            return "answers that read alike";
        case BankProblemKind::DuplicateQuestion:
            return "duplicate questions";
        case BankProblemKind::StrayStatistics:
            return "statistics of missing questions";
    }
    return "";
}

}  // namespace xuehai::bank
