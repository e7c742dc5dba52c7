// SPDX-License-Identifier: GPL-3.0-or-later
#include <libpq-fe.h>

#include <sstream>

#include "PostgresServer.h"
#include "ToolTestSupport.h"
#include "core/CodePage936.h"

namespace xuehai::test {
namespace {

using ::testing::HasSubstr;

const std::string kHeader = "question,A,B,C,D,right,flag\n";

// The first value of a query on the server, "none" without a row; ADD_FAILURE when the
// server refuses it, unless refused is asked for.
std::string ServerValue(const std::string& connInfo, const std::string& sql,
                        bool* refused = nullptr) {
    PGconn* conn = PQconnectdb(connInfo.c_str());
    PGresult* result = PQexec(conn, sql.c_str());
    std::string value = "none";
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        if (refused != nullptr) {
            *refused = true;
        } else {
            ADD_FAILURE() << PQresultErrorMessage(result) << " in " << sql;
        }
    } else if (PQntuples(result) > 0) {
        value = PQgetvalue(result, 0, 0);
    }
    PQclear(result);
    PQfinish(conn);
    return value;
}

class ServerToolTest : public BankToolTest {
protected:
    void SetUp() override {
        BankToolTest::SetUp();
        connInfo_ = PostgresServer::Instance().FreshDatabase();
    }
    std::string Schema(const std::string& key) {
        return ServerValue(connInfo_,
                           "SELECT schemaname FROM xuehai.gamefile WHERE key = '" + key + "'");
    }

    std::string connInfo_;
};

TEST_F(ServerToolTest, DemoFolderComesBackWholeFromTheServer) {
    const ToolResult init = Run({"server", "init", connInfo_, XUEHAI_GAME_DIR});
    ASSERT_EQ(init.status, 0) << init.err;
    EXPECT_THAT(init.out, HasSubstr("Save/userinfo.dat：已放到服务器上"));
    const ToolResult dump = Run({"server", "dump", connInfo_, Path("back").string()});
    ASSERT_EQ(dump.status, 0) << dump.err;

    std::size_t files = 0;
    const std::filesystem::path game = XUEHAI_GAME_DIR;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(game)) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        ++files;
        const std::string copy = (Path("back") / entry.path().lexically_relative(game)).string();
        const std::string names =
            "SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master WHERE "
            "type = 'table' ORDER BY name)";
        const std::string tables = Value(entry.path().string(), names);
        EXPECT_EQ(Value(copy, names), tables) << copy;
        std::stringstream list(tables);
        for (std::string table; std::getline(list, table, ',');) {
            const std::string count = "SELECT count(*) FROM [" + table + "]";
            EXPECT_EQ(Value(copy, count), Value(entry.path().string(), count)) << copy << table;
        }
    }
    EXPECT_GT(files, 3u);
    EXPECT_EQ(Run({"server", "dump", connInfo_, Path("back").string()}).status, 3)
        << "a second dump into the same folder must not overwrite the first";
}

TEST_F(ServerToolTest, RowsSurviveTheRoundTripExactly) {
    std::filesystem::create_directories(Path("game/Data/Qut004"));
    Build("game/Data/Qut004/004.dat", kHeader + QuestionLine("一加一") + QuestionLine("二加二"));
    const std::string bank = Path("game/Data/Qut004/004.dat").string();
    Sql(bank, "INSERT INTO UserStats(UserName,UserRight) VALUES('O''Neil',3)");
    Sql(bank, "INSERT INTO [User-Question](QuestionID,UserName,RightCount) VALUES(1,'O''Neil',3)");
    ASSERT_EQ(Run({"records", "init", Path("game/Save/userinfo.dat").string()}).status, 0);
    Sql(Path("game/Save/userinfo.dat").string(),
        "INSERT INTO UserInfo(UserName,UserHead,UserScore,UserClass) VALUES('小明',3,2300,3)");

    ASSERT_EQ(Run({"server", "init", connInfo_, Path("game").string()}).status, 0);
    ASSERT_EQ(Run({"server", "dump", connInfo_, Path("back").string()}).status, 0);
    const std::string rows = "SELECT group_concat(r, '|') FROM (SELECT ";
    for (const auto& [file, sql] : std::vector<std::pair<std::string, std::string>>{
             {"Data/Qut004/004.dat", rows + "quote(QAID)||quote(QACont)||quote(QAA)||"
                                            "quote(QARight)||quote(QAFLAG) AS r FROM Question)"},
             {"Data/Qut004/004.dat", rows + "quote(UserName)||quote(UserRight) AS r FROM "
                                            "UserStats)"},
             {"Data/Qut004/004.dat", rows + "quote(QuestionID)||quote(RightCount) AS r FROM "
                                            "[User-Question])"},
             {"Save/userinfo.dat", rows +
                                       "quote(UserName)||quote(UserScore)||"
                                       "quote(UserClass)||quote(UserHead) AS r FROM UserInfo)"}}) {
        EXPECT_EQ(Value(Path("back/" + file).string(), sql),
                  Value(Path("game/" + file).string(), sql))
            << file << ": " << sql;
    }
}

TEST_F(ServerToolTest, SecondInitUpdatesBanksAndKeepsTheServersStatistics) {
    std::filesystem::create_directories(Path("game/Data/Qut004"));
    const std::string bank = "game/Data/Qut004/004.dat";
    Build(bank, kHeader + QuestionLine("一加一") + QuestionLine("二加二"));
    ASSERT_EQ(Run({"server", "init", connInfo_, Path("game").string()}).status, 0);
    const std::string schema = "\"" + Schema("data/qut004/004.dat") + "\"";
    // Pupils answered on the server: question 1 (二加二) twice right.
    ServerValue(connInfo_, "INSERT INTO " + schema +
                               ".\"user-question\"(questionid, username, rightcount) "
                               "VALUES (1, '小明', 2)");
    ServerValue(connInfo_,
                "INSERT INTO " + schema + ".userstats(username, userright) VALUES ('小明', 2)");

    // The teacher drops 一加一 and adds 三加三: 二加二 moves up to number 0.
    std::filesystem::remove(Path(bank));
    Build(bank, kHeader + QuestionLine("二加二") + QuestionLine("三加三"));
    const ToolResult again = Run({"server", "init", connInfo_, Path("game").string()});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_THAT(again.out, HasSubstr("题库已更新"));
    EXPECT_EQ(ServerValue(connInfo_, "SELECT questionid || ':' || rightcount FROM " + schema +
                                         ".\"user-question\" WHERE username = '小明'"),
              "0:2");
    EXPECT_EQ(ServerValue(connInfo_, "SELECT userright FROM " + schema + ".userstats"), "2");
    EXPECT_EQ(ServerValue(connInfo_, "SELECT count(*) FROM " + schema + ".question"), "2");
}

TEST_F(ServerToolTest, PupilsChangeOnlyRecordsAndStatistics) {
    std::filesystem::create_directories(Path("game/Data/Qut004"));
    Build("game/Data/Qut004/004.dat", kHeader + QuestionLine("一加一"));
    ASSERT_EQ(Run({"records", "init", Path("game/Save/userinfo.dat").string()}).status, 0);
    ASSERT_EQ(Run({"server", "init", connInfo_, Path("game").string()}).status, 0);
    const ToolResult roles = Run({"server", "roles", connInfo_});
    ASSERT_EQ(roles.status, 0) << roles.err;
    PostgresServer& server = PostgresServer::Instance();
    server.Run(
        "DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'pc01') THEN "
        "CREATE ROLE pc01 LOGIN IN ROLE xuehai_pupil; CREATE ROLE teacher1 LOGIN IN ROLE "
        "xuehai_teacher; END IF; END $$");
    const std::string pupil = connInfo_ + " user=pc01";
    const std::string teacher = connInfo_ + " user=teacher1";
    const std::string bank = "\"" + Schema("data/qut004/004.dat") + "\"";
    const std::string records = "\"" + Schema("save/userinfo.dat") + "\"";

    bool refused = false;
    ServerValue(pupil, "INSERT INTO " + records + ".userinfo(username) VALUES ('小红')");
    ServerValue(pupil, "INSERT INTO " + bank + ".userstats(username) VALUES ('小红')");
    ServerValue(pupil, "UPDATE " + bank + ".\"user-question\" SET rightcount = rightcount + 1");
    EXPECT_EQ(ServerValue(pupil, "SELECT count(*) FROM " + bank + ".question"), "1");
    ServerValue(pupil, "UPDATE " + bank + ".question SET qaright = 'B'", &refused);
    EXPECT_TRUE(refused) << "a pupil changed a bank's questions";
    refused = false;
    ServerValue(pupil, "DELETE FROM " + records + ".userinfo", &refused);
    EXPECT_TRUE(refused) << "a pupil deleted player records";
    ServerValue(teacher, "UPDATE " + bank + ".question SET qaright = 'B'");
    EXPECT_EQ(ServerValue(connInfo_, "SELECT qaright FROM " + bank + ".question"), "B");
}

TEST_F(ServerToolTest, RefusesAPasswordOnTheCommandLineAndNamesAnUnreachableServer) {
    const ToolResult password =
        Run({"server", "dump", connInfo_ + " password=x", Path("d").string()});
    EXPECT_EQ(password.status, 3);
    EXPECT_THAT(password.err, HasSubstr("密码"));
    const ToolResult away = Run({"server", "roles", "host=/nonexistent port=7 dbname=class4"});
    EXPECT_EQ(away.status, 3);
    EXPECT_THAT(away.err, HasSubstr("/nonexistent:7/class4"));
}

// Two subjects of which only the first has a bank, players registered in an order the
// name index would not keep, answers of one of them; then pupils play on the server.
TEST_F(ServerToolTest, ClassFromTheServerReadsAsFromTheFolder) {
    std::filesystem::create_directories(Path("game/Data/Qut001"));
    Write("game/AliginA.cfg", Utf8ToCp936("语文\n英语\n"));
    Write("game/AliginB.cfg", "001\n002\n");
    const std::string bank =
        Build("game/Data/Qut001/001.dat",
              kHeader + QuestionLine("一") + QuestionLine("二") + QuestionLine("三"));
    const std::string records = Path("game/Save/userinfo.dat").string();
    ASSERT_EQ(Run({"records", "init", records}).status, 0);
    Sql(records,
        "INSERT INTO UserInfo(UserName,UserHead,UserScore,UserClass,UserRight,UserWrong) "
        "VALUES('赵六',3,1200,2,3,1), ('王五',1,0,1,0,0), ('O''Neil',2,10,1,1,0)");
    Sql(bank, "INSERT INTO UserStats(UserName,UserRight,UserWrong) VALUES('赵六',2,1)");
    Sql(bank,
        "INSERT INTO [User-Question](QuestionID,UserName,RightCount,WrongCount) "
        "VALUES(0,'赵六',2,0), (2,'赵六',0,1)");
    const ToolResult init = Run({"server", "init", connInfo_, Path("game").string()});
    ASSERT_EQ(init.status, 0) << init.err;
    EXPECT_THAT(init.out, HasSubstr("2 个科目已放到服务器上"));

    // The same game on both: 赵六 answers once more, which moves its row on the server.
    const std::string update =
        "UPDATE UserInfo SET UserScore = UserScore + 100 WHERE "
        "UserName = '赵六'";
    Sql(records, update);
    ServerValue(connInfo_, "SET search_path TO \"" + Schema("save/userinfo.dat") + "\"; " + update);

    for (const std::vector<std::string> format :
         {std::vector<std::string>{}, std::vector<std::string>{"--csv"}}) {
        std::vector<std::string> fromFolder{"class"};
        fromFolder.insert(fromFolder.end(), format.begin(), format.end());
        std::vector<std::string> fromServer = fromFolder;
        fromFolder.push_back(Path("game").string());
        fromServer.push_back(connInfo_);
        const ToolResult folder = Run(fromFolder);
        const ToolResult server = Run(fromServer);
        ASSERT_EQ(folder.status, 0) << folder.err;
        ASSERT_EQ(server.status, 0) << server.err;
        EXPECT_EQ(server.out, folder.out);
        EXPECT_THAT(server.out, HasSubstr("赵六"));
        EXPECT_LT(server.out.find("赵六"), server.out.find("王五"))
            << "players come in the order they registered";
    }
    const ToolResult neither = Run({"class", Path("no-such-folder").string()});
    EXPECT_EQ(neither.status, 3);
    EXPECT_THAT(neither.err, HasSubstr("no-such-folder"));
}

}  // namespace
}  // namespace xuehai::test
