// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionnaireFile.h"

#include <cstdint>

#include "authoring/Sql.h"

namespace xuehai::bank {

namespace {

constexpr const char* kTitleTable = "CREATE TABLE IF NOT EXISTS CQTitle (Title TEXT NOT NULL)";

}  // namespace

void WriteQuestionnaire(sqlite3* db, const Questionnaire& questionnaire) {
    RunSql(db, kTitleTable);
    RunSql(db, "DELETE FROM CQTitle; DELETE FROM CQType; DELETE FROM CQCont; DELETE FROM CQScore");
    SqlStatement(db, "INSERT INTO CQTitle(Title) VALUES(?)").Bind(1, questionnaire.title).Run();

    SqlStatement type(db, "INSERT INTO CQType(CQTypeID, CQTypeName) VALUES(?, ?)");
    SqlStatement item(db,
                      "INSERT INTO CQCont(CQTypeID, CQCont, CQA, CQAScore, CQB, CQBScore, CQC, "
                      "CQCScore) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    SqlStatement range(db,
                       "INSERT INTO CQScore(CQTypeID, CQScoreLow, CQScoreHigh, CQResult) "
                       "VALUES(?, ?, ?, ?)");
    std::int64_t number = 0;
    for (const QuestionnaireType& t : questionnaire.types) {
        ++number;
        type.Bind(1, number).Bind(2, t.name).Run();
        for (const QuestionnaireItem& i : t.items) {
            item.Bind(1, number).Bind(2, i.text);
            for (int a = 0; a < 3; ++a) {
                const auto at = static_cast<std::size_t>(a);
                item.Bind(3 + 2 * a, i.answers[at]).Bind(4 + 2 * a, std::int64_t{i.points[at]});
            }
            item.Run();
        }
        for (const EvaluationRange& r : t.ranges) {
            range.Bind(1, number).Bind(2, std::int64_t{r.low}).Bind(3, std::int64_t{r.high});
            range.Bind(4, r.text).Run();
        }
    }
}

Questionnaire ReadQuestionnaire(sqlite3* db) {
    Questionnaire questionnaire;
    SqlStatement hasTitle(db,
                          "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'CQTitle'");
    if (hasTitle.Step()) {
        SqlStatement title(db, "SELECT Title FROM CQTitle");
        if (title.Step()) {
            questionnaire.title = title.Text(0).value_or("");
        }
    }

    SqlStatement types(db, "SELECT CQTypeID, CQTypeName FROM CQType ORDER BY CQTypeID, rowid");
    SqlStatement items(db,
                       "SELECT CQCont, CQA, CQAScore, CQB, CQBScore, CQC, CQCScore FROM CQCont "
                       "WHERE CQTypeID = ? ORDER BY rowid");
    SqlStatement ranges(db,
                        "SELECT CQScoreLow, CQScoreHigh, CQResult FROM CQScore "
                        "WHERE CQTypeID = ? ORDER BY rowid");
    while (types.Step()) {
        QuestionnaireType type;
        const std::int64_t number = types.Integer(0);
        type.name = types.Text(1).value_or("");
        items.Bind(1, number);
        while (items.Step()) {
            QuestionnaireItem item;
            item.text = items.Text(0).value_or("");
            for (int a = 0; a < 3; ++a) {
                const auto at = static_cast<std::size_t>(a);
                item.answers[at] = items.Text(1 + 2 * a).value_or("");
                item.points[at] = static_cast<int>(items.Integer(2 + 2 * a));
            }
            type.items.push_back(std::move(item));
        }
        items.Reset();
        ranges.Bind(1, number);
        while (ranges.Step()) {
            type.ranges.push_back({static_cast<int>(ranges.Integer(0)),
                                   static_cast<int>(ranges.Integer(1)),
                                   ranges.Text(2).value_or("")});
        }
        ranges.Reset();
        questionnaire.types.push_back(std::move(type));
    }
    return questionnaire;
}

}  // namespace xuehai::bank
