// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTestSupport.h"
#include "store/TIQ.h"

namespace xuehai::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::string NoAnswersYet = "请回答完所有问题再看评价，谢谢！";

class CharacterTest : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        file_ = Create("data/q/q001/q.dat", DatabaseKind::Questionnaire);
    }
    TIQ Open() { return TIQ(Folder() + "data\\q\\q001\\q.dat"); }
    void AddItem(int type, const std::string& text) {
        Run(file_,
            "INSERT INTO CQCont(CQTypeID,CQCont,CQA,CQAScore,CQB,CQBScore,CQC,CQCScore) "
            "VALUES(" +
                std::to_string(type) + ",'" + text + "','甲',1,'乙',2,'丙',3)");
    }
    void AddRange(int type, int low, int high, const std::string& result) {
        Run(file_, "INSERT INTO CQScore(CQTypeID,CQScoreLow,CQScoreHigh,CQResult) VALUES(" +
                       std::to_string(type) + "," + std::to_string(low) + "," +
                       std::to_string(high) + ",'" + result + "')");
    }

    std::string file_;
};

using TestItems = CharacterTest;

TEST_F(TestItems, ItemsComeOneByOneThenNullThenFromTheStart) {
    AddItem(1, "一");
    AddItem(2, "别的");
    AddItem(1, "二");
    AddItem(1, "三");
    TIQ test = Open();
    EXPECT_THAT(test.LoadTestQuestions(1), ElementsAre("一", "甲", "1", "乙", "2", "丙", "3"));
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "二");
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "三");
    EXPECT_THAT(test.LoadTestQuestions(1), ElementsAre("NULL"));
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "一");
}

TEST_F(TestItems, AnotherTypeTakesEffectOnlyAfterTheOpenOneEnds) {
    AddItem(1, "一");
    AddItem(1, "二");
    AddItem(2, "别的");
    TIQ test = Open();
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "一");
    EXPECT_EQ(test.LoadTestQuestions(2)[0], "二");
    EXPECT_EQ(test.LoadTestQuestions(2)[0], "NULL");
    EXPECT_EQ(test.LoadTestQuestions(2)[0], "别的");
}

TEST_F(TestItems, TypeWithoutItemsGivesNullAtOnce) {
    AddItem(1, "一");
    EXPECT_THAT(Open().LoadTestQuestions(3), ElementsAre("NULL"));
}

TEST_F(TestItems, TypeCountLeavesAnOpenQuestionnaireAlone) {
    TIQ test = Open();
    EXPECT_EQ(test.GetTypeCount(), 0);
    Run(file_, "INSERT INTO CQType(CQTypeID) VALUES(1)");
    Run(file_, "INSERT INTO CQType(CQTypeID) VALUES(2)");
    AddItem(1, "一");
    AddItem(1, "二");
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "一");
    EXPECT_EQ(test.GetTypeCount(), 2);
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "二");
}

TEST_F(TestItems, MissingItemTextFailsNamingTheColumn) {
    Run(file_,
        "INSERT INTO CQCont(CQTypeID,CQCont,CQA,CQAScore,CQB,CQBScore,CQC) "
        "VALUES(1,'一','甲',1,'乙',2,'丙')");
    TIQ test = Open();
    EXPECT_THAT([&] { test.LoadTestQuestions(1); },
                ::testing::ThrowsMessage<ConversionError>(HasSubstr("CQCScore")));
}

using TestResult = CharacterTest;

TEST_F(TestResult, TotalIsLookedUpInInclusiveRanges) {
    AddRange(1, 0, 10, "少");
    AddRange(1, 11, 20, "中");
    AddRange(1, 21, 30, "多");
    AddRange(2, 0, 100, "别的");
    TIQ test = Open();
    EXPECT_EQ(test.GetResult(1, 11), "中");
    EXPECT_EQ(test.GetResult(1, 30), "多");
    EXPECT_EQ(test.GetResult(1, 0), "少");
    EXPECT_EQ(test.GetResult(1, 31), "");
}

TEST_F(TestResult, LastMatchingRangeWins) {
    AddRange(1, 0, 20, "先");
    AddRange(1, 10, 30, "后");
    EXPECT_EQ(Open().GetResult(1, 15), "后");
}

TEST_F(TestResult, TypeWithoutRangesAsksForAllAnswers) {
    AddRange(1, 0, 20, "先");
    TIQ test = Open();
    EXPECT_EQ(test.GetResult(2, 5), NoAnswersYet);
    EXPECT_EQ(test.GetResult(2, -100), NoAnswersYet);
}

TEST_F(TestResult, MissingBoundFailsNamingTheColumn) {
    Run(file_, "INSERT INTO CQScore(CQTypeID,CQScoreHigh,CQResult) VALUES(1,5,'x')");
    EXPECT_THAT([&] { Open().GetResult(1, 3); },
                ::testing::ThrowsMessage<ConversionError>(HasSubstr("CQScoreLow")));
}

// Whether the total reaches the low bound or not, a missing high bound is a damaged test.
TEST_F(TestResult, MissingHighBoundFailsWhateverTheTotal) {
    Run(file_, "INSERT INTO CQScore(CQTypeID,CQScoreLow,CQResult) VALUES(1,5,'x')");
    for (const int total : {3, 5, 9}) {
        EXPECT_THAT([&] { Open().GetResult(1, total); },
                    ::testing::ThrowsMessage<ConversionError>(HasSubstr("CQScoreHigh")))
            << total;
    }
}

}  // namespace
}  // namespace xuehai::test
