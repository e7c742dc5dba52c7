// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "FieldEncoder.h"
#include "PostgresServer.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "server/ServerErrors.h"
#include "server/ServerLink.h"
#include "server/ServerSchema.h"
#include "store/CommandTransaction.h"
#include "store/TIQ.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai {
namespace {

using test::PostgresServer;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* Bank = "Data\\Qut004\\004.dat";
constexpr const char* Records = "Save\\userinfo.dat";
constexpr const char* CharacterTest = "data\\q\\q001\\q.dat";
constexpr int Questions = 40;

// The game's own classes on a server of the test's own, as a computer room runs them.
class StoreOnServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder("/srv/xuehai-game");
        connInfo_ = PostgresServer::Instance().FreshDatabase();
        ServerLink link(connInfo_);
        CreateRegistry(link);
        const std::string bank =
            CreateServerFile(link, "Data/Qut004/004.dat", DatabaseKind::QuestionBank).schema;
        CreateServerFile(link, "Save/userinfo.dat", DatabaseKind::PlayerRecords);
        const std::string test =
            CreateServerFile(link, "data/q/q001/q.dat", DatabaseKind::Questionnaire).schema;
        FieldEncoder encoder(7);
        for (int id = 0; id < Questions; ++id) {
            const std::string q = std::to_string(id) + "加一等于几？";
            link.Run("INSERT INTO question VALUES ($1, $2, $3, $4, $5, $6, 'a', '1')",
                     {std::to_string(id), encoder.EncodeUtf8(q), encoder.EncodeUtf8(q + "甲"),
                      encoder.EncodeUtf8(q + "乙"), encoder.EncodeUtf8(q + "丙"),
                      encoder.EncodeUtf8(q + "丁")},
                     bank);
        }
        link.Run("INSERT INTO cqtype VALUES (1, '胆量')", {}, test);
        link.Run("INSERT INTO cqcont VALUES (1, '夜里一个人走路？', '怕', 0, '还好', 1, '不怕', 2)",
                 {}, test);
        link.Run("INSERT INTO cqscore VALUES (1, 0, 1, '小心谨慎'), (1, 2, 2, '胆子很大')", {},
                 test);
        Connect();
    }
    void TearDown() override { UseEngine(nullptr); }

    void Connect() {
        engine_ = std::make_shared<ServerEngine>(connInfo_);
        UseEngine(engine_);
    }
    static std::string Path(const char* gamePath) { return ProgramFolder() + gamePath; }
    std::string Value(const std::string& sql) {
        ServerLink link(connInfo_);
        const SqlRows rows = link.Run(sql);
        if (rows.rowCount == 0) {
            return "none";
        }
        const SqlValue& value = rows.cells[0];
        if (const auto* number = std::get_if<std::int64_t>(&value)) {
            return std::to_string(*number);
        }
        return std::get<std::string>(value);
    }
    std::string Schema(const std::string& key) {
        return "\"" + Value("SELECT schemaname FROM xuehai.gamefile WHERE key = '" + key + "'") +
               "\"";
    }

    // One answer as the quiz counts it: the bank's statistics and the records together.
    static void CountAnswer(TuserInfo& records, const std::string& player,
                            const std::string& questionId, bool right) {
        CommandTransaction command;
        TQADataBase bank(Path(Bank));
        command.Write(bank.Database());
        command.Write(records.Database());
        bank.RecordAnswer(player, questionId, right ? 1 : -1);
        records.AddScore(player, right ? 10 : -5);
        records.ActiveUser = player;
        if (right) {
            records.SetUserRight(records.GetUserRight() + 1);
        } else {
            records.SetUserWrong(records.GetUserWrong() + 1);
        }
        command.Commit();
    }

    std::string connInfo_;
    std::shared_ptr<ServerEngine> engine_;
};

TEST_F(StoreOnServerTest, QuizKeepsEveryRuleOfTheFiles) {
    TuserInfo records(Path(Records));
    EXPECT_TRUE(records.AddUser("O'Neil", 3));
    EXPECT_FALSE(records.AddUser("O'Neil", 1));
    EXPECT_TRUE(records.AddScore("O'Neil", 3));
    EXPECT_TRUE(records.AddScore("O'Neil", -5));
    EXPECT_THAT(records.GetUserData("O'Neil"), ElementsAre("O'Neil", "0", "0", "3"));
    EXPECT_TRUE(records.AddScore("O'Neil", 2300));
    EXPECT_THAT(records.GetUserData("O'Neil"), ElementsAre("O'Neil", "2300", "3", "3"));
    EXPECT_THAT(records.GetUserNames(), ElementsAre("O'Neil"));

    TQADataBase bank(Path("DATA\\qut004\\004.DAT"));
    const std::vector<std::string> question = bank.PickQuestion();
    ASSERT_EQ(question.size(), 9u);
    EXPECT_EQ(question[0], question[8] + "加一等于几？");
    EXPECT_EQ(question[2], question[0] + "乙");
    EXPECT_EQ(question[5], "A");
    bank.RecordAnswer("O'Neil", "3", 1);
    bank.RecordAnswer("O'Neil", "3", 1);
    bank.RecordAnswer("O'Neil", "4", -1);
    EXPECT_DOUBLE_EQ(bank.GetRate("Wancheng", "O'Neil"), 1.0 / Questions);
    EXPECT_DOUBLE_EQ(bank.GetRate("Zhengque", "O'Neil"), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(bank.GetRate("Zhengque", "nobody"), 0.0);
}

TEST_F(StoreOnServerTest, CharacterTestReadsItsItemsAndEvaluation) {
    TIQ test(Path(CharacterTest));
    EXPECT_EQ(test.GetTypeCount(), 1);
    EXPECT_THAT(test.LoadTestQuestions(1),
                ElementsAre("夜里一个人走路？", "怕", "0", "还好", "1", "不怕", "2"));
    EXPECT_THAT(test.LoadTestQuestions(1), ElementsAre("NULL"));
    EXPECT_EQ(test.GetResult(1, 2), "胆子很大");
}

TEST_F(StoreOnServerTest, AnswerCutOffByTheNetworkIsRecordedNowhere) {
    TuserInfo records(Path(Records));
    records.AddUser("小明", 1);
    {
        CommandTransaction command;
        TQADataBase bank(Path(Bank));
        command.Write(bank.Database());
        command.Write(records.Database());
        PostgresServer::Instance().CutConnections(test::DatabaseOf(connInfo_));
        EXPECT_THAT([&] { bank.RecordAnswer("小明", "5", 1); },
                    testing::ThrowsMessage<ServerLostError>(HasSubstr("没有记下来")));
        EXPECT_FALSE(records.AddScore("小明", 10));
    }
    // The next command connects again and counts its answer once.
    CountAnswer(records, "小明", "6", true);
    const std::string bank = Schema("data/qut004/004.dat");
    EXPECT_EQ(Value("SELECT string_agg(questionid || ':' || rightcount, ',') FROM " + bank +
                    ".\"user-question\""),
              "6:1");
    EXPECT_EQ(Value("SELECT userright FROM " + bank + ".userstats"), "1");
    EXPECT_THAT(records.GetUserData("小明"), ElementsAre("小明", "10", "1", "1"));
}

TEST_F(StoreOnServerTest, SamePlayerOnTwoComputersNeverLosesACount) {
    TuserInfo records(Path(Records));
    records.AddUser("小红", 1);
    CountAnswer(records, "小红", "1", true);

    // Computer A reads the count; computer B counts an answer in between; A writes back.
    CommandTransaction first;
    first.Write(records.Database());
    records.ActiveUser = "小红";
    const std::int32_t seen = records.GetUserRight();

    auto other = std::make_shared<ServerEngine>(connInfo_);
    UseEngine(other);
    {
        TuserInfo elsewhere(Path(Records));
        CountAnswer(elsewhere, "小红", "2", true);
    }
    UseEngine(engine_);
    records.SetUserRight(seen + 1);
    EXPECT_THROW(first.Commit(), DatabaseError);
    EXPECT_EQ(records.GetUserRight(), 2) << "one of two counted answers was overwritten";
}

// pupils processes answer for seconds; answers what each acknowledged.
struct Tally {
    long right = 0;
    long wrong = 0;
};

TEST_F(StoreOnServerTest, ThirtyPupilsAtOnceEveryAcknowledgedAnswerCountedOnce) {
    constexpr int Pupils = 30;
    const char* setting = std::getenv("XUEHAI_LOAD_SECONDS");
    const double seconds = setting != nullptr ? std::atof(setting) : 3.0;
    char folder[] = "/tmp/xuehai-load-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    // Each pupil's computer has a connection of its own, made after the fork.
    UseEngine(nullptr);
    engine_.reset();
    std::vector<pid_t> children;
    for (int pupil = 0; pupil < Pupils; ++pupil) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            Tally tally;
            long failures = 0;
            try {
                UseEngine(std::make_shared<ServerEngine>(connInfo_));
                const std::string name = "学生" + std::to_string(pupil);
                TuserInfo records(Path(Records));
                records.AddUser(name, pupil % 8);
                const auto end =
                    std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
                for (long answer = 0; std::chrono::steady_clock::now() < end; ++answer) {
                    const std::string id = TQADataBase(Path(Bank)).PickQuestion()[8];
                    const bool right = answer % 3 != 2;  // the score never goes below 0
                    try {
                        CountAnswer(records, name, id, right);
                        ++(right ? tally.right : tally.wrong);
                    } catch (const DatabaseError&) {
                        ++failures;
                    }
                }
            } catch (...) {
                failures = -1;
            }
            std::ofstream(std::string(folder) + "/" + std::to_string(pupil))
                << tally.right << ' ' << tally.wrong << ' ' << failures << '\n';
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string bank = Schema("data/qut004/004.dat");
    const std::string records = Schema("save/userinfo.dat");
    long total = 0;
    for (int pupil = 0; pupil < Pupils; ++pupil) {
        Tally tally;
        long failures = 0;
        std::ifstream(std::string(folder) + "/" + std::to_string(pupil)) >> tally.right >>
            tally.wrong >> failures;
        EXPECT_EQ(failures, 0) << "pupil " << pupil;
        total += tally.right + tally.wrong;
        const std::string who = "'学生" + std::to_string(pupil) + "'";
        const long score = 10 * tally.right - 5 * tally.wrong;
        EXPECT_EQ(Value("SELECT userright || ' ' || userwrong FROM " + bank +
                        ".userstats WHERE username = " + who),
                  std::to_string(tally.right) + " " + std::to_string(tally.wrong));
        EXPECT_EQ(Value("SELECT sum(rightcount) || ' ' || sum(wrongcount) FROM " + bank +
                        ".\"user-question\" WHERE username = " + who),
                  std::to_string(tally.right) + " " + std::to_string(tally.wrong));
        EXPECT_EQ(Value("SELECT userscore || ' ' || userclass || ' ' || userright || ' ' || "
                        "userwrong FROM " +
                        records + ".userinfo WHERE username = " + who),
                  std::to_string(score) + " " + std::to_string(score / 1000 + 1) + " " +
                      std::to_string(tally.right) + " " + std::to_string(tally.wrong));
    }
    std::filesystem::remove_all(folder);
    EXPECT_GT(total, Pupils);
    std::cout << Pupils << " pupils, " << seconds << " s: " << total << " answers counted, "
              << static_cast<long>(total / seconds) << " per second\n";
}

}  // namespace
}  // namespace xuehai
