// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

#include "FieldEncoder.h"
#include "SqlProbe.h"
#include "core/CodePage936.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/DatabaseFiles.h"

namespace xuehai::test {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') {
            quoted += c;
        }
    }
    return quoted + "'";
}

}  // namespace

GameFolder::GameFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "xuehai-screens-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    root_ = pattern;
    SetProgramFolder(root_);
}

GameFolder::~GameFolder() {
    ReleaseIdleConnections();
    std::filesystem::remove_all(root_);
}

void GameFolder::Write(const std::string& relative, const std::string& bytes) {
    std::filesystem::create_directories(File(relative).parent_path());
    std::ofstream(File(relative), std::ios::binary) << bytes;
}

std::string GameFolder::Read(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void GameFolder::WriteListFile(const std::string& name, const std::vector<std::string>& lines,
                               const std::string& lineEnd) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Utf8ToCp936(line) + lineEnd;
    }
    Write(name, bytes);
}

void GameFolder::MakeBank(const std::string& code, int count, const std::string& player,
                          int answered) {
    const std::string relative = "Data/Qut" + code + "/" + code + ".dat";
    std::filesystem::create_directories(File(relative).parent_path());
    CreateDatabaseFile(File(relative), DatabaseKind::QuestionBank);
    std::string sql = "BEGIN;";
    for (int id = 0; id < count; ++id) {
        sql +=
            "INSERT INTO Question(QAID,QARight,QAFLAG) VALUES(" + std::to_string(id) + ",'A','1');";
    }
    for (int id = 0; id < answered; ++id) {
        sql += "INSERT INTO [User-Question](QuestionID,UserName,RightCount) VALUES(" +
               std::to_string(id) + "," + Quoted(player) + ",1);";
    }
    Sql(relative, sql + "COMMIT;");
}

void GameFolder::AddQuestion(const std::string& code, int id, const std::vector<std::string>& texts,
                             const std::string& right, const std::string& flag) {
    static FieldEncoder encoder(936);
    std::string sql = "INSERT INTO Question(QAID,QACont,QAA,QAB,QAC,QAD,QARight,QAFLAG) VALUES(" +
                      std::to_string(id);
    for (const std::string& text : texts) {
        sql += "," + Quoted(encoder.EncodeUtf8(text));
    }
    Sql("Data/Qut" + code + "/" + code + ".dat",
        sql + "," + Quoted(right) + "," + Quoted(flag) + ")");
}

void GameFolder::MakeRecords(const std::string& player, int score, int playerClass, int right,
                             int wrong) {
    std::filesystem::create_directories(File("Save"));
    CreateDatabaseFile(File("Save/userinfo.dat"), DatabaseKind::PlayerRecords);
    Sql("Save/userinfo.dat",
        "INSERT INTO UserInfo(UserName,UserHead,UserScore,UserClass,UserRight,UserWrong) "
        "VALUES(" +
            Quoted(player) + ",1," + std::to_string(score) + "," + std::to_string(playerClass) +
            "," + std::to_string(right) + "," + std::to_string(wrong) + ")");
}

void GameFolder::Sql(const std::string& relative, const std::string& sql) {
    testing::SqlRun(File(relative), sql);
}

}  // namespace xuehai::test
