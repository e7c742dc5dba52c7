// SPDX-License-Identifier: GPL-3.0-or-later
// Commands over several database files while another program holds locks on them.
#include <chrono>

#include "SqlProbe.h"
#include "StoreTestSupport.h"
#include "store/CommandTransaction.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/TIQ.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::test {
namespace {

using testing::ForeignLock;
using namespace std::chrono_literals;

class CommandOnTwoFiles : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        bank_ = Create("Data/Qut001/001.dat", DatabaseKind::QuestionBank);
        AddQuestion(bank_, 0, "一");
        records_ = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
        Run(records_, "INSERT INTO UserInfo(UserName,UserHead) VALUES('abc',1)");
    }

    // An answer as the map counts it: the bank's statistics and the player's score.
    void CountAnswer() {
        CommandTransaction command;
        TQADataBase bank(bank_);
        TuserInfo records(records_);
        command.Write(bank.Database());
        bank.RecordAnswer("abc", "0", 1);
        command.Write(records.Database());
        records.AddScore("abc", 10);
        command.Commit();
    }
    std::string Answers() { return Value(bank_, "RightCount", "[User-Question]"); }
    std::string Score() { return Value(records_, "UserScore", "UserInfo"); }

    static double SecondsSince(LockClock::time_point start) {
        return std::chrono::duration<double>(LockClock::now() - start).count();
    }

    std::string bank_;
    std::string records_;
};

TEST_F(CommandOnTwoFiles, ALockedSecondFileLeavesBothUnchangedAfterTheBudgetAndTheNextCounts) {
    {
        ForeignLock lock(records_, ForeignLock::Kind::Write);
        const auto start = LockClock::now();
        EXPECT_THROW(CountAnswer(), RecordsLockedError);
        EXPECT_GE(SecondsSince(start), 1.9);
        EXPECT_LE(SecondsSince(start), 2.6);
        EXPECT_EQ(Answers(), "none");
        EXPECT_EQ(Score(), "0");
    }
    CountAnswer();
    EXPECT_EQ(Answers(), "1");
    EXPECT_EQ(Score(), "10");
}

TEST_F(CommandOnTwoFiles, EveryWaitOfACommandComesOutOfOneBudget) {
    ForeignLock bankLock(bank_, ForeignLock::Kind::Write);
    ForeignLock recordsLock(records_, ForeignLock::Kind::Write);
    bankLock.ReleaseAfter(1500ms);
    const auto start = LockClock::now();
    EXPECT_THROW(CountAnswer(), RecordsLockedError);
    EXPECT_LE(SecondsSince(start), 2.6);
    bankLock.Release();
    EXPECT_EQ(Answers(), "none");
}

TEST_F(CommandOnTwoFiles, AFailedStatementRollsBackEveryFileAndStopsTheRest) {
    CommandTransaction command;
    TQADataBase bank(bank_);
    TuserInfo records(records_);
    command.Write(bank.Database());
    command.Write(records.Database());
    bank.RecordAnswer("abc", "0", 1);
    EXPECT_THROW(records.Database().Execute("UPDATE NoSuchTable SET x=1"), DatabaseError);
    // The data class swallows this one, as it always has; it must not run either.
    EXPECT_FALSE(records.AddScore("abc", 10));
    EXPECT_THROW(command.Commit(), DatabaseError);
    EXPECT_EQ(Answers(), "none");
    EXPECT_EQ(Score(), "0");
    EXPECT_TRUE(records.AddScore("abc", 10));
    EXPECT_EQ(Score(), "10");
}

TEST_F(CommandOnTwoFiles, AFileClosedBeforeTheCommitRollsBackAloneAndTheRestCommits) {
    CommandTransaction command;
    TuserInfo records(records_);
    command.Write(records.Database());
    {
        TQADataBase bank(bank_);
        command.Write(bank.Database());
        bank.RecordAnswer("abc", "0", 1);
    }
    records.AddScore("abc", 10);
    command.Commit();
    EXPECT_EQ(Answers(), "none");
    EXPECT_EQ(Score(), "10");
}

TEST_F(CommandOnTwoFiles, ACommandLeftWithoutCommitChangesNothing) {
    {
        CommandTransaction command;
        TuserInfo records(records_);
        command.Write(records.Database());
        records.AddScore("abc", 10);
    }
    EXPECT_EQ(Score(), "0");
}

TEST_F(CommandOnTwoFiles, AnExclusiveLockIsWaitedOutWhenTheFileIsOpened) {
    ReleaseIdleConnections();
    ForeignLock lock(records_, ForeignLock::Kind::Exclusive);
    lock.ReleaseAfter(300ms);
    TuserInfo records(records_);
    EXPECT_EQ(records.GetUserNames().size(), 1u);
}

TEST_F(CommandOnTwoFiles, AnExclusiveLockPastTheBudgetRefusesTheOpenAsLocked) {
    Create("data/q/q001/q.dat", DatabaseKind::Questionnaire);
    ReleaseIdleConnections();
    ForeignLock lock(Folder() + "data/q/q001/q.dat", ForeignLock::Kind::Exclusive);
    CommandTransaction command;
    const auto start = LockClock::now();
    EXPECT_THROW(TIQ(Folder() + "data\\q\\q001\\q.dat"), RecordsLockedError);
    EXPECT_LE(SecondsSince(start), 2.6);
}

TEST_F(CommandOnTwoFiles, AReadingCommandSeesOneStateAndIsNotHeldUpByAWriter) {
    ForeignLock writer(records_, ForeignLock::Kind::Write);
    const auto start = LockClock::now();
    {
        CommandTransaction command;
        TuserInfo records(records_);
        command.Read(records.Database());
        EXPECT_EQ(records.GetUserData("abc").at(1), "0");
        writer.Release();
        Run(records_, "UPDATE UserInfo SET UserScore=70");
        EXPECT_EQ(records.GetUserData("abc").at(1), "0");
        EXPECT_THROW(command.Write(records.Database()), DatabaseError);
    }
    EXPECT_LE(SecondsSince(start), 1.0);
    EXPECT_EQ(TuserInfo(records_).GetUserData("abc").at(1), "70");
}

TEST_F(CommandOnTwoFiles, AReadingCommandWaitsForAnExclusiveLockOutOfTheSameBudget) {
    ReleaseIdleConnections();
    ForeignLock bankLock(bank_, ForeignLock::Kind::Exclusive);
    ForeignLock recordsLock(records_, ForeignLock::Kind::Exclusive);
    CommandTransaction command;
    const auto start = LockClock::now();
    EXPECT_THROW(TQADataBase{bank_}, RecordsLockedError);
    EXPECT_THROW(TuserInfo{records_}, RecordsLockedError);
    EXPECT_LE(SecondsSince(start), 2.6);
}

using HandleReuse = GameFolderTest;

TEST_F(HandleReuse, EverySpellingOfOneFileSharesOneHandle) {
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    std::filesystem::create_directory_symlink(Folder() + "Save", Folder() + "Linked");
    sqlite3* first = nullptr;
    {
        Connection connection(MakeConnectionString(Folder() + "Save\\userinfo.dat"));
        first = connection.Handle();
    }
    for (const char* spelling :
         {"save\\USERINFO.dat", "Linked\\userinfo.dat", "./Save/userinfo.dat"}) {
        Connection connection(MakeConnectionString(Folder() + spelling));
        EXPECT_EQ(connection.Handle(), first) << spelling;
    }
}

}  // namespace
}  // namespace xuehai::test
