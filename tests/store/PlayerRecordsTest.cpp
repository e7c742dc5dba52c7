// SPDX-License-Identifier: GPL-3.0-or-later
#include <climits>

#include "StoreTestSupport.h"
#include "store/TuserInfo.h"

namespace xuehai::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class PlayerRecords : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        file_ = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
        records_ = std::make_unique<TuserInfo>(Folder() + "Save\\userinfo.dat");
    }
    void TearDown() override {
        records_.reset();
        GameFolderTest::TearDown();
    }
    void SetScore(const std::string& name, int score) {
        Run(file_, "UPDATE UserInfo SET UserScore=" + std::to_string(score) + " WHERE UserName='" +
                       name + "'");
    }
    // Score and class of a player, as GetUserData hands them out.
    std::vector<std::string> ScoreAndClass(const std::string& name) {
        const std::vector<std::string> data = records_->GetUserData(name);
        return {data.at(1), data.at(2)};
    }

    std::string file_;
    std::unique_ptr<TuserInfo> records_;
};

using PlayerRegister = PlayerRecords;

TEST_F(PlayerRegister, NewNameIsInsertedOnceAndKeepsItsAvatar) {
    EXPECT_TRUE(records_->AddUser("abc", 5));
    EXPECT_FALSE(records_->AddUser("abc", 7));
    EXPECT_THAT(records_->GetUserData("abc"), ElementsAre("abc", "0", "1", "5"));
    EXPECT_THAT(records_->GetUserData("abd"), IsEmpty());
}

TEST_F(PlayerRegister, EveryRegisteredNameIsListed) {
    EXPECT_THAT(records_->GetUserNames(), IsEmpty());
    records_->AddUser("小明", 1);
    records_->AddUser("abc", 2);
    records_->AddUser("Abc", 3);
    EXPECT_THAT(records_->GetUserNames(), UnorderedElementsAre("小明", "abc", "Abc"));
}

TEST_F(PlayerRegister, NamesWithQuotesAreTheirOwnPlayers) {
    records_->AddUser("abc", 1);
    EXPECT_TRUE(records_->AddUser("O'Neil", 2));
    EXPECT_TRUE(records_->AddUser("x' OR '1'='1", 3));
    EXPECT_THAT(records_->GetUserData("O'Neil"), ElementsAre("O'Neil", "0", "1", "2"));
    EXPECT_TRUE(records_->AddScore("x' OR '1'='1", 50));
    EXPECT_EQ(ScoreAndClass("abc")[0], "0");
    EXPECT_EQ(ScoreAndClass("x' OR '1'='1")[0], "50");
}

TEST_F(PlayerRegister, EngineErrorOfRegistrationReachesTheCaller) {
    Run(file_, "DROP TABLE UserInfo");
    EXPECT_THROW(records_->AddUser("abc", 1), DatabaseError);
    EXPECT_THROW(records_->GetUserNames(), DatabaseError);
    // The query was closed on the way out, so it can be used again.
    Run(file_, "CREATE TABLE UserInfo(UserName TEXT, UserHead INTEGER)");
    EXPECT_TRUE(records_->AddUser("abc", 1));
}

using PlayerScore = PlayerRecords;

TEST_F(PlayerScore, ClassFollowsTheScoreByThousands) {
    records_->AddUser("abc", 1);
    SetScore("abc", 995);
    EXPECT_TRUE(records_->AddScore("abc", 10));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("1005", "2"));
    EXPECT_TRUE(records_->AddScore("abc", 1295));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("2300", "3"));
}

TEST_F(PlayerScore, ClassIsComputedBeforeTheScoreIsClampedAtZero) {
    records_->AddUser("abc", 1);
    SetScore("abc", 3);
    EXPECT_TRUE(records_->AddScore("abc", -5));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("0", "0"));
    EXPECT_TRUE(records_->AddScore("abc", 0));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("0", "1"));
}

TEST_F(PlayerScore, ZeroChangeStillRecomputesClassAndClamps) {
    records_->AddUser("abc", 1);
    Run(file_, "UPDATE UserInfo SET UserScore=-40, UserClass=9");
    EXPECT_TRUE(records_->AddScore("abc", 0));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("0", "0"));
}

TEST_F(PlayerScore, ExtremeChangesDoNotOverflow) {
    records_->AddUser("abc", 1);
    SetScore("abc", 100);
    EXPECT_TRUE(records_->AddScore("abc", INT_MIN));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("0", "-2147483"));
    EXPECT_TRUE(records_->AddScore("abc", INT_MAX));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("2147483647", "2147484"));
}

TEST_F(PlayerScore, UnknownPlayerChangesNothingAndFailureAnswersFalse) {
    records_->AddUser("abc", 1);
    EXPECT_TRUE(records_->AddScore("nobody", 10));
    EXPECT_THAT(ScoreAndClass("abc"), ElementsAre("0", "1"));
    Run(file_, "DROP TABLE UserInfo");
    EXPECT_FALSE(records_->AddScore("abc", 10));
}

using PlayerCounts = PlayerRecords;

TEST_F(PlayerCounts, CountsOfTheActivePlayerAreReadAndWritten) {
    records_->AddUser("abc", 1);
    records_->AddUser("def", 1);
    records_->ActiveUser = "abc";
    records_->SetUserRight(records_->GetUserRight() + 1);
    records_->SetUserWrong(7);
    EXPECT_EQ(records_->GetUserRight(), 1);
    EXPECT_EQ(records_->GetUserWrong(), 7);
    records_->ActiveUser = "def";
    EXPECT_EQ(records_->GetUserRight(), 0);
}

TEST_F(PlayerCounts, UnknownOrEmptyPlayerReadsZeroAndWritesNothing) {
    records_->AddUser("abc", 1);
    EXPECT_EQ(records_->GetUserRight(), 0);
    records_->ActiveUser = "nobody";
    records_->SetUserRight(5);
    EXPECT_EQ(records_->GetUserRight(), 0);
    EXPECT_EQ(Value(file_, "Max(UserRight)", "UserInfo"), "0");
}

TEST_F(PlayerCounts, EngineErrorsAreSwallowed) {
    records_->ActiveUser = "abc";
    Run(file_, "DROP TABLE UserInfo");
    EXPECT_EQ(records_->GetUserWrong(), 0);
    EXPECT_NO_THROW(records_->SetUserWrong(3));
    Run(file_, "CREATE TABLE UserInfo(UserName TEXT, UserRight INTEGER)");
    Run(file_, "INSERT INTO UserInfo VALUES('abc', NULL)");
    EXPECT_EQ(records_->GetUserRight(), 0);
}

}  // namespace
}  // namespace xuehai::test
