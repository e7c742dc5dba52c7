// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/FolderClassSource.h"

#include <algorithm>

#include "authoring/BankRows.h"
#include "authoring/GameFile.h"
#include "authoring/Sql.h"
#include "core/GamePath.h"
#include "core/ListFile.h"
#include "core/ProgramFolder.h"
#include "store/TQADataBase.h"

namespace xuehai::classroom {

namespace {

SubjectFigures ReadFigures(const std::string& code, const std::string& player) {
    try {
        TQADataBase bank(ProgramFolder() + BankGamePath(code));
        return {bank.GetRate("Wancheng", player), bank.GetRate("Zhengque", player)};
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

std::vector<Subject> ReadSubjects() {
    const std::vector<std::string> names = ReadListFile(ProgramFolder() + "AliginA.cfg");
    const std::vector<std::string> codes = ReadListFile(ProgramFolder() + "AliginB.cfg");
    std::vector<Subject> subjects;
    for (std::size_t i = 0; i < std::min(names.size(), codes.size()); ++i) {
        subjects.push_back({codes[i], names[i]});
    }
    return subjects;
}

std::string BankGamePath(const std::string& code) {
    return "Data\\Qut" + code + "\\" + code + ".dat";
}

FolderClassSource::FolderClassSource(const std::filesystem::path& gameFolder) {
    SetProgramFolder(gameFolder);
}

ClassOverview FolderClassSource::ReadOverview() {
    ClassOverview overview;
    overview.subjects = ReadSubjects();
    bank::GameFile records(ResolveGamePath(ProgramFolder() + "Save\\userinfo.dat"),
                           DatabaseKind::PlayerRecords);
    // Row ids grow with each registration; the name index would give another order.
    bank::SqlStatement rows(records.Handle(),
                            "SELECT UserName, UserHead, UserScore, UserClass, UserRight, "
                            "UserWrong FROM UserInfo ORDER BY rowid");
    while (rows.Step()) {
        PlayerRow row;
        row.name = rows.Text(0).value_or("");
        row.avatar = static_cast<int>(rows.Integer(1));
        row.score = rows.Integer(2);
        row.playerClass = rows.Integer(3);
        row.right = rows.Integer(4);
        row.wrong = rows.Integer(5);
        for (const Subject& subject : overview.subjects) {
            row.subjects.push_back(ReadFigures(subject.code, row.name));
        }
        overview.players.push_back(std::move(row));
    }
    return overview;
}

std::vector<MissedQuestion> FolderClassSource::ReadMissedQuestions(const std::string& player,
                                                                   std::size_t limit) {
    std::vector<MissedQuestion> missed;
    for (const Subject& subject : ReadSubjects()) {
        try {
            bank::GameFile file(ResolveGamePath(ProgramFolder() + BankGamePath(subject.code)),
                                DatabaseKind::QuestionBank);
            const std::vector<bank::Question> questions = bank::ReadBankQuestions(file.Handle());
            bank::SqlStatement rows(file.Handle(),
                                    "SELECT QuestionID, WrongCount, RightCount FROM "
                                    "[User-Question] WHERE UserName = ?1 AND WrongCount > 0");
            rows.Bind(1, player);
            while (rows.Step()) {
                const std::int64_t id = rows.Integer(0);
                if (id < 0 || id >= static_cast<std::int64_t>(questions.size())) {
                    continue;
                }
                const bank::Question& q = questions[static_cast<std::size_t>(id)];
                const int letter = q.right.empty() ? -1 : (q.right[0] | 0x20) - 'a';
                missed.push_back({subject.name, q.text,
                                  letter >= 0 && letter < 4
                                      ? q.answers[static_cast<std::size_t>(letter)]
                                      : q.right,
                                  rows.Integer(1), rows.Integer(2)});
            }
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
