// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PostgresServer.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "server/ServerErrors.h"
#include "server/ServerLink.h"
#include "server/ServerSchema.h"
#include "store/ConnectionString.h"

namespace xuehai {
namespace {

using test::PostgresServer;
using ::testing::HasSubstr;
using ::testing::Not;

class ServerEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder("/srv/game");
        connInfo_ = PostgresServer::Instance().FreshDatabase();
        engine_ = std::make_unique<ServerEngine>(connInfo_);
        ServerLink& link = engine_->Link();
        CreateRegistry(link);
        CreateServerFile(link, "Data/Qut004/004.dat", DatabaseKind::QuestionBank);
        CreateServerFile(link, "Data/Qut005/005.dat", DatabaseKind::QuestionBank);
        CreateServerFile(link, "Save/userinfo.dat", DatabaseKind::PlayerRecords);
    }

    std::unique_ptr<EngineDatabase> Open(const std::string& gamePath) {
        return engine_->Open(ParseConnectionString(MakeConnectionString(gamePath)));
    }

    static std::string Text(const SqlRows& rows, std::size_t cell = 0) {
        const SqlValue& value = rows.cells.at(cell);
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            return std::to_string(*number);
        }
        return std::get<std::string>(value);
    }

    std::string connInfo_;
    std::unique_ptr<ServerEngine> engine_;
};

TEST_F(ServerEngineTest, EachGameFileKeepsItsOwnRows) {
    auto maths = Open("/srv/game/Data\\Qut004\\004.dat");
    auto chinese = Open("data\\qut005\\005.DAT");
    maths->Execute("INSERT INTO UserStats(UserName) VALUES('小明')");
    maths->Execute("UPDATE UserStats SET UserRight=UserRight+1 WHERE UserName='小明'");
    EXPECT_EQ(Text(maths->Select("SELECT UserRight FROM UserStats WHERE UserName='小明'")), "1");
    EXPECT_EQ(chinese->Select("SELECT * FROM UserStats").rowCount, 0u);
    chinese->Execute("INSERT INTO [User-Question](QuestionID,USerName) VALUES(3,'小明')");
    const SqlRows rows =
        chinese->Select("SELECT Count(*) as QAOver FROM [User-Question] WHERE UserName ='小明'");
    EXPECT_EQ(rows.columns.at(0), "qaover");
    EXPECT_EQ(Text(rows), "1");
}

TEST_F(ServerEngineTest, ClassRuleFloorsOnTheServerToo) {
    auto records = Open("Save\\userinfo.dat");
    records->Execute("INSERT INTO UserInfo(UserName,UserHead) VALUES('O''Neil',2)");
    for (const auto& [score, expected] :
         {std::pair{-2, "0"}, {0, "1"}, {999, "1"}, {1000, "2"}, {2300, "3"}}) {
        records->Execute("UPDATE UserInfo Set UserScore=" + std::to_string(score) +
                         " WHERE UserName='O''Neil'");
        records->Execute(
            "UPDATE UserInfo Set UserClass=int(UserScore/1000)+1  WHERE UserName='O''Neil'");
        EXPECT_EQ(Text(records->Select("SELECT UserClass FROM UserInfo WHERE UserName='O''Neil'")),
                  expected)
            << "score " << score;
    }
}

TEST_F(ServerEngineTest, MissingFileWrongPasswordAndEscapesAreRefused) {
    EXPECT_THAT([&] { Open("Data\\Qut009\\009.dat"); },
                testing::ThrowsMessage<DatabaseError>(HasSubstr("data/qut009/009.dat")));
    EXPECT_THROW(engine_->Open(ParseConnectionString(
                     "driver={Microsoft Access Driver (*.mdb)};PWD=guess;dbq=Save\\userinfo.dat")),
                 DatabaseError);
    EXPECT_THROW(Open("Data\\..\\..\\etc\\passwd"), PathError);
    EXPECT_THROW(Open("/etc/passwd"), PathError);
}

TEST_F(ServerEngineTest, CommandCommitsAllItsGameFilesOrNone) {
    auto bank = Open("Data\\Qut004\\004.dat");
    auto records = Open("Save\\userinfo.dat");
    records->Execute("INSERT INTO UserInfo(UserName,UserHead) VALUES('小红',1)");

    bank->Begin();
    records->Begin();
    bank->Execute("INSERT INTO UserStats(UserName) VALUES('小红')");
    records->Execute("UPDATE UserInfo Set UserScore=UserScore+10 WHERE UserName='小红'");
    EXPECT_THROW(records->Execute("UPDATE NoSuchTable SET x=1"), DatabaseError);
    bank->Commit();
    EXPECT_THROW(records->Commit(), DatabaseError);
    EXPECT_EQ(bank->Select("SELECT * FROM UserStats").rowCount, 0u);
    EXPECT_EQ(Text(records->Select("SELECT UserScore FROM UserInfo")), "0");

    bank->Begin();
    records->Begin();
    bank->Execute("INSERT INTO UserStats(UserName) VALUES('小红')");
    records->Execute("UPDATE UserInfo Set UserScore=UserScore+10 WHERE UserName='小红'");
    bank->Commit();
    records->Commit();
    EXPECT_EQ(bank->Select("SELECT * FROM UserStats").rowCount, 1u);
    EXPECT_EQ(Text(records->Select("SELECT UserScore FROM UserInfo")), "10");
}

TEST_F(ServerEngineTest, BrokenConnectionLosesTheCommandAndTheNextOneReconnects) {
    auto bank = Open("Data\\Qut004\\004.dat");
    auto records = Open("Save\\userinfo.dat");
    records->Execute("INSERT INTO UserInfo(UserName,UserHead) VALUES('小刚',1)");

    bank->Begin();
    records->Begin();
    bank->Execute("INSERT INTO UserStats(UserName) VALUES('小刚')");
    PostgresServer::Instance().CutConnections(test::DatabaseOf(connInfo_));
    EXPECT_THAT([&] { records->Execute("UPDATE UserInfo Set UserScore=10"); },
                testing::ThrowsMessage<ServerLostError>(HasSubstr("没有记下来")));
    // The rest of the command must not reach a fresh connection and save half of it.
    EXPECT_THROW(records->Execute("UPDATE UserInfo Set UserScore=20"), ServerLostError);
    bank->RollBack();
    records->RollBack();

    bank->Begin();
    EXPECT_EQ(bank->Select("SELECT * FROM UserStats").rowCount, 0u);
    bank->Commit();
    EXPECT_EQ(Text(records->Select("SELECT UserScore FROM UserInfo")), "0");
}

TEST(ServerEngineStart, UnreachableServerIsNamedInPlainWordsWithLibpqsBehind) {
    std::string message;
    try {
        ServerEngine("host=/nonexistent-folder port=6 dbname=class4 user=pc01");
        ADD_FAILURE() << "a server that does not exist answered";
    } catch (const ServerUnreachableError& error) {
        message = error.what();
    }
    // The error box shows what stands before the empty line; the rest is its details.
    const std::size_t split = message.find("\n\n");
    ASSERT_NE(split, std::string::npos) << message;
    const std::string headline = message.substr(0, split);
    EXPECT_THAT(headline, testing::AllOf(HasSubstr("/nonexistent-folder:6/class4"),
                                         HasSubstr("连不上"), Not(HasSubstr("libpq")),
                                         Not(HasSubstr("socket")), Not(HasSubstr("pc01"))));
    EXPECT_THAT(message.substr(split), HasSubstr("/nonexistent-folder"));
}

}  // namespace
}  // namespace xuehai
