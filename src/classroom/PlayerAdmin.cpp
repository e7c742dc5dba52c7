// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/PlayerAdmin.h"

#include <algorithm>
#include <ctime>

#include "authoring/GameFile.h"
#include "authoring/Sql.h"
#include "classroom/FolderClassSource.h"
#include "core/Errors.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"
#include "store/CommandTransaction.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/Engine.h"
#include "store/Query.h"
#include "store/SqlText.h"

namespace xuehai::classroom {

namespace {

constexpr const char* RecordsPath = "Save\\userinfo.dat";

std::string Literal(const std::string& name) {
    return "'" + EscapeQuotes(name) + "'";
}

std::unique_ptr<Connection> OpenFile(const std::string& gamePath) {
    return std::make_unique<Connection>(MakeConnectionString(ProgramFolder() + gamePath));
}

bool HasRow(Connection& file, const std::string& sql) {
    Query query(file);
    query.SetText(sql);
    query.Open();
    return !query.AtEnd();
}

// VACUUM INTO writes a consistent copy even while the game holds the file open.
void CopyFolderFile(const std::string& gamePath, DatabaseKind kind,
                    const std::filesystem::path& copy) {
    bank::GameFile source(ResolveGamePath(ProgramFolder() + gamePath), kind);
    bank::SqlStatement vacuum(source.Handle(), "VACUUM INTO ?1");
    vacuum.Bind(1, copy.string());
    vacuum.Run();
}

}  // namespace

PlayerAdmin::PlayerAdmin(std::filesystem::path gameFolder)
    : PlayerAdmin(PlayerFiles{nullptr, ReadSubjects, gameFolder / "备份", CopyFolderFile}) {
    folder_ = std::move(gameFolder);
}

PlayerAdmin::PlayerAdmin(PlayerFiles files) : files_(std::move(files)) {}

std::vector<std::string> PlayerAdmin::BanksHolding(const std::string& name) {
    if (!folder_.empty()) {
        SetProgramFolder(folder_);
    }
    UseEngine(files_.engine);
    std::vector<std::string> banks;
    for (const Subject& subject : files_.subjects()) {
        const std::string path = BankGamePath(subject.code);
        std::unique_ptr<Connection> bank;
        try {
            bank = OpenFile(path);
        } catch (const DatabaseError& error) {
            if (error.Kind() == FailureKind::Missing) {
                continue;  // a subject without a bank holds nobody's answers
            }
            throw;
        }
        if (HasRow(*bank, "SELECT 1 FROM UserStats WHERE UserName = " + Literal(name)) ||
            HasRow(*bank, "SELECT 1 FROM [User-Question] WHERE UserName = " + Literal(name))) {
            banks.push_back(path);
        }
    }
    return banks;
}

void PlayerAdmin::Backup(const std::vector<std::string>& banks) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
    lastBackup_ = files_.backups / stamp;
    // Two changes within one second keep apart.
    for (int n = 2; std::filesystem::exists(lastBackup_); ++n) {
        lastBackup_ = files_.backups / (std::string(stamp) + "-" + std::to_string(n));
    }
    const auto copy = [this](const std::string& gamePath, DatabaseKind kind) {
        std::string relative = gamePath;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::filesystem::path target = lastBackup_ / relative;
        std::filesystem::create_directories(target.parent_path());
        files_.copy(gamePath, kind, target);
    };
    copy(RecordsPath, DatabaseKind::PlayerRecords);
    for (const std::string& bank : banks) {
        copy(bank, DatabaseKind::QuestionBank);
    }
}

void PlayerAdmin::Apply(const std::vector<Change>& changes) {
    std::vector<std::unique_ptr<Connection>> open;
    CommandTransaction command;
    for (const Change& change : changes) {
        open.push_back(OpenFile(change.gamePath));
        command.Write(*open.back());
        for (const std::string& sql : change.statements) {
            open.back()->Execute(sql);
        }
    }
    command.Commit();
}

void PlayerAdmin::Rename(const std::string& from, const std::string& to) {
    if (to.empty()) {
        throw Error("新名字不能是空的");
    }
    const std::vector<std::string> banks = BanksHolding(from);
    {
        const std::unique_ptr<Connection> records = OpenFile(RecordsPath);
        if (!HasRow(*records, "SELECT 1 FROM UserInfo WHERE UserName = " + Literal(from))) {
            throw Error("没有叫“" + from + "”的玩家");
        }
        if (HasRow(*records, "SELECT 1 FROM UserInfo WHERE UserName = " + Literal(to))) {
            throw Error("已经有叫“" + to + "”的玩家了，请换一个名字");
        }
    }
    Backup(banks);
    const std::string set = " SET UserName = " + Literal(to) + " WHERE UserName = " + Literal(from);
    std::vector<Change> changes{{RecordsPath, {"UPDATE UserInfo" + set}}};
    for (const std::string& bank : banks) {
        changes.push_back({bank, {"UPDATE UserStats" + set, "UPDATE [User-Question]" + set}});
    }
    Apply(changes);
}

void PlayerAdmin::ResetProgress(const std::string& name) {
    Clear(name, "UPDATE UserInfo SET UserScore = 0, UserClass = 1, UserRight = 0, UserWrong = 0");
}

void PlayerAdmin::Remove(const std::string& name) {
    Clear(name, "DELETE FROM UserInfo");
}

void PlayerAdmin::Clear(const std::string& name, const std::string& records) {
    const std::vector<std::string> banks = BanksHolding(name);
    Backup(banks);
    const std::string who = " WHERE UserName = " + Literal(name);
    std::vector<Change> changes{{RecordsPath, {records + who}}};
    for (const std::string& bank : banks) {
        changes.push_back(
            {bank, {"DELETE FROM UserStats" + who, "DELETE FROM [User-Question]" + who}});
    }
    Apply(changes);
}

}  // namespace xuehai::classroom
