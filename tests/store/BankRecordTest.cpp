// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTestSupport.h"
#include "store/TQADataBase.h"

namespace xuehai::test {
namespace {

class BankStats : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        bank_ = Create("Data/Qut004/004.dat", DatabaseKind::QuestionBank);
        for (int id = 0; id < 12; ++id) {
            AddQuestion(bank_, id, "q");
        }
    }
    void Record(const std::string& name, const std::string& id, int outcome) {
        TQADataBase(Folder() + "Data\\Qut004\\004.dat").RecordAnswer(name, id, outcome);
    }
    double Rate(const std::string& selector, const std::string& name) {
        return TQADataBase(Folder() + "data\\Qut004\\004.dat").GetRate(selector, name);
    }
    std::string Counter(const std::string& column, const std::string& where) {
        return Value(bank_, column, where);
    }

    std::string bank_;
};

using BankRecord = BankStats;

TEST_F(BankRecord, FirstRightAnswerInsertsBothRowsAndTheSecondOnlyCounts) {
    Record("abc", "3", 1);
    EXPECT_EQ(Counter("UserRight", "UserStats WHERE UserName='abc'"), "1");
    EXPECT_EQ(Counter("RightCount", "[User-Question] WHERE QuestionID=3"), "1");
    Record("abc", "3", 1);
    EXPECT_EQ(Counter("RightCount", "[User-Question] WHERE QuestionID=3"), "2");
    EXPECT_EQ(Counter("UserRight", "UserStats"), "2");
    EXPECT_EQ(Counter("Count(*)", "UserStats"), "1");
    EXPECT_EQ(Counter("Count(*)", "[User-Question]"), "1");
}

TEST_F(BankRecord, EveryOutcomeButOneIsAWrongAnswer) {
    Record("abc", "4", 0);
    Record("abc", "4", 2);
    Record("abc", "4", -1);
    EXPECT_EQ(Counter("WrongCount", "[User-Question] WHERE QuestionID=4"), "3");
    EXPECT_EQ(Counter("RightCount", "[User-Question] WHERE QuestionID=4"), "0");
    EXPECT_EQ(Counter("UserWrong", "UserStats"), "3");
    EXPECT_EQ(Counter("UserRight", "UserStats"), "0");
}

TEST_F(BankRecord, QuestionIdThatIsNoDecimalNumberRunsNothing) {
    for (const char* id : {"", "3 or 1=1", "3;", "abc", "0x10", "1.5"}) {
        EXPECT_THROW(Record("abc", id, 1), ConversionError) << id;
    }
    EXPECT_EQ(Counter("Count(*)", "UserStats"), "0");
    EXPECT_EQ(Counter("Count(*)", "[User-Question]"), "0");
}

TEST_F(BankRecord, NameWithQuotesIsRecordedAsItIs) {
    Record("O'Neil", "1", 1);
    Record("x' OR ''='", "1", -1);
    EXPECT_EQ(Counter("RightCount", "[User-Question] WHERE UserName='O''Neil'"), "1");
    EXPECT_EQ(Counter("WrongCount", "[User-Question] WHERE UserName='O''Neil'"), "0");
    EXPECT_EQ(Counter("UserWrong", "UserStats WHERE UserName='x'' OR ''''='''"), "1");
    EXPECT_EQ(Counter("Count(*)", "UserStats"), "2");
}

using BankRate = BankStats;

TEST_F(BankRate, CompletionCountsQuestionsAnsweredRightAtLeastOnce) {
    EXPECT_EQ(Rate("Wancheng", "abc"), 0.0);
    Record("abc", "0", 1);
    Record("abc", "0", 1);
    Record("abc", "1", -1);
    Record("abc", "1", 1);
    Record("abc", "2", 1);
    Record("abc", "5", -1);
    Record("other", "7", 1);
    EXPECT_DOUBLE_EQ(Rate("Wancheng", "abc"), 0.25);
}

TEST_F(BankRate, CompletionOfAnEmptyBankIsZero) {
    Run(bank_, "DELETE FROM Question");
    Record("abc", "0", 1);
    EXPECT_EQ(Rate("Wancheng", "abc"), 0.0);
}

TEST_F(BankRate, CorrectnessIsRightOverAllAnswersAndZeroWithoutAnswers) {
    EXPECT_EQ(Rate("Zhengque", "abc"), 0.0);
    Run(bank_, "INSERT INTO UserStats(UserName) VALUES('abc')");
    EXPECT_EQ(Rate("Zhengque", "abc"), 0.0);
    Run(bank_, "UPDATE UserStats SET UserRight=3, UserWrong=1");
    EXPECT_DOUBLE_EQ(Rate("Zhengque", "abc"), 0.75);
}

TEST_F(BankRate, SelectorIsComparedExactly) {
    Record("abc", "0", 1);
    EXPECT_EQ(Rate("wancheng", "abc"), 0.0);
    EXPECT_EQ(Rate("Zhengque ", "abc"), 0.0);
    EXPECT_EQ(Rate("", "abc"), 0.0);
    EXPECT_GT(Rate("Zhengque", "abc"), 0.0);
}

TEST_F(BankRate, EngineErrorsReachTheCaller) {
    Run(bank_, "DROP TABLE [User-Question]");
    EXPECT_THROW(Rate("Wancheng", "abc"), DatabaseError);
    EXPECT_THROW(Record("abc", "1", 1), DatabaseError);
    EXPECT_EQ(Counter("UserRight", "UserStats"), "0");
}

}  // namespace
}  // namespace xuehai::test
