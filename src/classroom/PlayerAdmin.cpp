// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/PlayerAdmin.h"

#include <ctime>

#include "authoring/GameFile.h"
#include "authoring/Sql.h"
#include "classroom/FolderClassSource.h"
#include "core/Errors.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"

namespace xuehai::classroom {

namespace {

bool HasRow(sqlite3* db, const std::string& sql, const std::string& name) {
    bank::SqlStatement statement(db, sql);
    statement.Bind(1, name);
    return statement.Step();
}

// Runs the statements, each given the names, in one transaction of the file.
void Change(const std::filesystem::path& file, DatabaseKind kind,
            const std::vector<std::string>& statements, const std::vector<std::string>& names) {
    bank::GameFile game(file, kind);
    bank::SqlTransaction transaction(game.Handle());
    for (const std::string& sql : statements) {
        bank::SqlStatement statement(game.Handle(), sql);
        for (std::size_t i = 0; i < names.size(); ++i) {
            statement.Bind(static_cast<int>(i + 1), names[i]);
        }
        statement.Run();
    }
    transaction.Commit();
}

}  // namespace

PlayerAdmin::PlayerAdmin(std::filesystem::path gameFolder) : folder_(std::move(gameFolder)) {
    SetProgramFolder(folder_);
}

std::filesystem::path PlayerAdmin::RecordsFile() const {
    return ResolveGamePath(ProgramFolder() + "Save\\userinfo.dat");
}

std::vector<std::filesystem::path> PlayerAdmin::FilesHolding(const std::string& name) const {
    std::vector<std::filesystem::path> files;
    for (const Subject& subject : ReadSubjects()) {
        const std::filesystem::path bankFile =
            ResolveGamePath(ProgramFolder() + BankGamePath(subject.code));
        std::error_code ec;
        if (!std::filesystem::exists(bankFile, ec)) {
            continue;
        }
        bank::GameFile bank(bankFile, DatabaseKind::QuestionBank);
        if (HasRow(bank.Handle(), "SELECT 1 FROM UserStats WHERE UserName = ?1", name) ||
            HasRow(bank.Handle(), "SELECT 1 FROM [User-Question] WHERE UserName = ?1", name)) {
            files.push_back(bankFile);
        }
    }
    return files;
}

void PlayerAdmin::Backup(const std::vector<std::filesystem::path>& files) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    lastBackup_ = folder_ / "备份" / stamp;
    // Two changes within one second keep apart.
    for (int n = 2; std::filesystem::exists(lastBackup_); ++n) {
        lastBackup_ = folder_ / "备份" / (std::string(stamp) + "-" + std::to_string(n));
    }
    for (const std::filesystem::path& file : files) {
        const std::filesystem::path copy = lastBackup_ / std::filesystem::relative(file, folder_);
        std::filesystem::create_directories(copy.parent_path());
        // VACUUM INTO writes a consistent copy even while the game holds the file open.
        bank::GameFile source(
            file, file == RecordsFile() ? DatabaseKind::PlayerRecords : DatabaseKind::QuestionBank);
        bank::SqlStatement vacuum(source.Handle(), "VACUUM INTO ?1");
        vacuum.Bind(1, copy.string());
        vacuum.Run();
    }
}

void PlayerAdmin::Rename(const std::string& from, const std::string& to) {
    if (to.empty()) {
        throw Error("新名字不能是空的");
    }
    {
        bank::GameFile records(RecordsFile(), DatabaseKind::PlayerRecords);
        if (!HasRow(records.Handle(), "SELECT 1 FROM UserInfo WHERE UserName = ?1", from)) {
            throw Error("没有叫“" + from + "”的玩家");
        }
        if (HasRow(records.Handle(), "SELECT 1 FROM UserInfo WHERE UserName = ?1", to)) {
            throw Error("已经有叫“" + to + "”的玩家了，请换一个名字");
        }
    }
    std::vector<std::filesystem::path> banks = FilesHolding(from);
    std::vector<std::filesystem::path> all = banks;
    all.insert(all.begin(), RecordsFile());
    Backup(all);
    Change(RecordsFile(), DatabaseKind::PlayerRecords,
           {"UPDATE UserInfo SET UserName = ?2 WHERE UserName = ?1"}, {from, to});
    for (const auto& file : banks) {
        Change(file, DatabaseKind::QuestionBank,
               {"UPDATE UserStats SET UserName = ?2 WHERE UserName = ?1",
                "UPDATE [User-Question] SET UserName = ?2 WHERE UserName = ?1"},
               {from, to});
    }
}

void PlayerAdmin::ResetProgress(const std::string& name) {
    std::vector<std::filesystem::path> banks = FilesHolding(name);
    std::vector<std::filesystem::path> all = banks;
    all.insert(all.begin(), RecordsFile());
    Backup(all);
    Change(RecordsFile(), DatabaseKind::PlayerRecords,
           {"UPDATE UserInfo SET UserScore = 0, UserClass = 1, UserRight = 0, UserWrong = 0 "
            "WHERE UserName = ?1"},
           {name});
    for (const auto& file : banks) {
        Change(file, DatabaseKind::QuestionBank,
               {"DELETE FROM UserStats WHERE UserName = ?1",
                "DELETE FROM [User-Question] WHERE UserName = ?1"},
               {name});
    }
}

void PlayerAdmin::Remove(const std::string& name) {
    ResetProgress(name);
    Change(RecordsFile(), DatabaseKind::PlayerRecords, {"DELETE FROM UserInfo WHERE UserName = ?1"},
           {name});
}

}  // namespace xuehai::classroom
