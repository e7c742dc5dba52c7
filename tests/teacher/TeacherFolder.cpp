// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "BankFile.h"
#include "authoring/GameFile.h"
#include "core/CodePage936.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/DatabaseFiles.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::test {

TeacherFolder::TeacherFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("xuehai-teacher-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "Data/Qut001");
    std::filesystem::create_directories(folder_ / "Save");
    std::ofstream(folder_ / "AliginA.cfg", std::ios::binary) << Utf8ToCp936("语文\n英语\n");
    std::ofstream(folder_ / "AliginB.cfg", std::ios::binary) << "001\n002\n";
    SetProgramFolder(folder_);
    CreateDatabaseFile(Records(), DatabaseKind::PlayerRecords);
    bank::WriteGameFile(Bank(), DatabaseKind::QuestionBank, false, [](sqlite3* db) {
        bank::UpdateBank(db, {Q("一"), Q("二"), Q("三"), Q("四")});
        return true;
    });
}

TeacherFolder::~TeacherFolder() {
    ReleaseIdleConnections();
    std::filesystem::remove_all(folder_);
}

bank::Question TeacherFolder::Q(const std::string& text, const std::string& right) {
    return {text, {text + "甲", text + "乙", text + "丙", text + "丁"}, right, "1"};
}

void TeacherFolder::AddPlayer(const std::string& name, int score) {
    TuserInfo records("Save\\userinfo.dat");
    records.AddUser(name, 1);
    records.AddScore(name, score);
}

void TeacherFolder::Answer(const std::string& name, int question, bool right) {
    TQADataBase bank("Data\\Qut001\\001.dat");
    bank.RecordAnswer(name, std::to_string(question), right ? 1 : -1);
}

}  // namespace xuehai::test
