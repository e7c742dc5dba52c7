// SPDX-License-Identifier: GPL-3.0-or-later
#include "BankFile.h"

#include "ServerCopy.h"
#include "authoring/BankRows.h"
#include "authoring/GameFile.h"
#include "server/ServerEngine.h"
#include "serverroom/ServerTransfer.h"

namespace xuehai::teacher {

std::vector<QuestionRow> LoadBank(const std::filesystem::path& bank) {
    if (const std::shared_ptr<ServerEngine> server = WorkingServer()) {
        bank::CopyFileFromServer(server->Link(), GamePathOf(bank), DatabaseKind::QuestionBank,
                                 bank);
    }
    bank::GameFile file(bank, DatabaseKind::QuestionBank);
    const std::vector<bank::Question> questions = bank::ReadBankQuestions(file.Handle());
    const std::map<std::int64_t, QuestionStats> stats = ReadQuestionStats(file.Handle());
    std::vector<QuestionRow> rows;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        auto found = stats.find(static_cast<std::int64_t>(i));
        rows.push_back({questions[i], found == stats.end() ? std::optional<QuestionStats>()
                                                           : std::optional(found->second)});
    }
    return rows;
}

bank::UpdateSummary SaveBank(const std::filesystem::path& bank,
                             const std::vector<bank::Question>& questions) {
    if (const std::shared_ptr<ServerEngine> server = WorkingServer()) {
        return bank::SaveBankOnServer(server->Link(), GamePathOf(bank), questions);
    }
    bank::UpdateSummary summary;
    bank::WriteGameFile(bank, DatabaseKind::QuestionBank, true, [&](sqlite3* db) {
        summary = bank::UpdateBank(db, questions);
        return summary.changed;
    });
    return summary;
}

}  // namespace xuehai::teacher
