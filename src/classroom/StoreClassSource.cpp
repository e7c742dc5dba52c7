// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/StoreClassSource.h"

#include <algorithm>
#include <charconv>

#include "authoring/BankRows.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/Query.h"
#include "store/SqlText.h"
#include "store/TQADataBase.h"

namespace xuehai::classroom {

namespace {

// Whether the player ever answered in the bank; the report's share of right answers reads
// 0 for a player who did not, which is no figure for a teacher.
bool HasAnswered(const std::string& code, const std::string& player) {
    Connection bank(MakeConnectionString(ProgramFolder() + BankGamePath(code)));
    Query stats(bank);
    stats.SetText("SELECT * FROM UserStats WHERE UserName='" + EscapeQuotes(player) + "'");
    stats.Open();
    return !stats.AtEnd() && stats.Integer("UserRight") + stats.Integer("UserWrong") > 0;
}

SubjectFigures ReadFigures(const std::string& code, const std::string& player) {
    try {
        TQADataBase bank(ProgramFolder() + BankGamePath(code));
        SubjectFigures figures{bank.GetRate("Wancheng", player), std::nullopt};
        if (HasAnswered(code, player)) {
            figures.shareRight = bank.GetRate("Zhengque", player);
        }
        return figures;
    } catch (const std::exception&) {
        return {};
    }
}

// The bank's questions by the rule of the tools: numbered 0 to N - 1, each readable, or
// ToolError. A NULL field throws as well, since Query gives no value for it.
std::vector<bank::Question> ReadQuestions(Connection& bank) {
    Query rows(bank);
    rows.SetText(
        "SELECT QAID, QACont, QAA, QAB, QAC, QAD, QARight, QAFLAG FROM Question "
        "ORDER BY QAID");
    rows.Open();
    std::vector<bank::StoredQuestion> stored;
    for (; !rows.AtEnd(); rows.Next()) {
        bank::StoredQuestion q;
        q.row = static_cast<std::int64_t>(stored.size()) + 1;
        q.idText = rows.Text("QAID");
        std::int64_t id = 0;
        const char* end = q.idText.data() + q.idText.size();
        if (std::from_chars(q.idText.data(), end, id).ptr == end) {
            q.id = id;
        }
        for (std::size_t i = 0; i < bank::kFieldColumns.size(); ++i) {
            q.fields[i] = rows.Text(bank::kFieldColumns[i]);
        }
        q.right = rows.Text("QARight");
        q.flag = rows.Text("QAFLAG");
        stored.push_back(std::move(q));
    }
    return bank::BankQuestions(stored);
}

void AddMissed(const Subject& subject, const std::string& player,
               std::vector<MissedQuestion>& missed) {
    Connection bank(MakeConnectionString(ProgramFolder() + BankGamePath(subject.code)));
    const std::vector<bank::Question> questions = ReadQuestions(bank);
    Query rows(bank);
    rows.SetText(
        "SELECT QuestionID, WrongCount, RightCount FROM [User-Question] WHERE "
        "UserName = '" +
        EscapeQuotes(player) + "' AND WrongCount > 0 ORDER BY QuestionID");
    rows.Open();
    for (; !rows.AtEnd(); rows.Next()) {
        const std::int64_t id = rows.Integer("QuestionID");
        if (id < 0 || id >= static_cast<std::int64_t>(questions.size())) {
            continue;
        }
        const bank::Question& q = questions[static_cast<std::size_t>(id)];
        const int letter = q.right.empty() ? -1 : (q.right[0] | 0x20) - 'a';
        missed.push_back(
            {subject.name, q.text,
             letter >= 0 && letter < 4 ? q.answers[static_cast<std::size_t>(letter)] : q.right,
             rows.Integer("WrongCount"), rows.Integer("RightCount")});
    }
}

}  // namespace

std::string BankGamePath(const std::string& code) {
    return "Data\\Qut" + code + "\\" + code + ".dat";
}

ClassOverview StoreClassSource::ReadOverview() {
    ClassOverview overview;
    overview.subjects = Open();
    Connection records(MakeConnectionString(ProgramFolder() + "Save\\userinfo.dat"));
    Query rows(records);
    // Row ids grow with each registration (the server numbers its rows likewise); the name
    // index would give another order.
    rows.SetText(
        "SELECT UserName, UserHead, UserScore, UserClass, UserRight, UserWrong FROM "
        "UserInfo ORDER BY rowid");
    rows.Open();
    for (; !rows.AtEnd(); rows.Next()) {
        PlayerRow row;
        row.name = rows.Text("UserName");
        row.avatar = rows.Integer("UserHead");
        row.score = rows.Integer("UserScore");
        row.playerClass = rows.Integer("UserClass");
        row.right = rows.Integer("UserRight");
        row.wrong = rows.Integer("UserWrong");
        for (const Subject& subject : overview.subjects) {
            row.subjects.push_back(ReadFigures(subject.code, row.name));
        }
        overview.players.push_back(std::move(row));
    }
    return overview;
}

std::vector<MissedQuestion> StoreClassSource::ReadMissedQuestions(const std::string& player,
                                                                  std::size_t limit) {
    std::vector<MissedQuestion> missed;
    for (const Subject& subject : Open()) {
        try {
            AddMissed(subject, player, missed);
        } catch (const std::exception&) {
            // A bank that cannot be read holds no figures for the page; the others still do.
        }
    }
    std::stable_sort(missed.begin(), missed.end(), [](const auto& a, const auto& b) {
        return a.wrong != b.wrong ? a.wrong > b.wrong : a.right < b.right;
    });
    if (missed.size() > limit) {
        missed.resize(limit);
    }
    return missed;
}

}  // namespace xuehai::classroom
