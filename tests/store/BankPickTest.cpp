// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "StoreTestSupport.h"
#include "store/TQADataBase.h"

namespace xuehai::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class BankPick : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        bank_ = Create("Data/Qut004/004.dat", DatabaseKind::QuestionBank);
    }
    std::vector<std::string> Pick() {
        return TQADataBase(Folder() + "Data\\Qut004\\004.dat").PickQuestion();
    }
    // The ids of count picks, each seeded from the next millisecond of the day.
    std::multiset<std::string> PickMany(int count) {
        auto next = std::make_shared<std::uint32_t>(0);
        SetTimeOfDayClock([next] { return (*next)++; });
        TQADataBase bank(Folder() + "Data\\Qut004\\004.dat");
        std::multiset<std::string> ids;
        for (int i = 0; i < count; ++i) {
            ids.insert(bank.PickQuestion()[8]);
        }
        return ids;
    }

    std::string bank_;
};

TEST_F(BankPick, QuestionListHoldsDecodedTextsLetterFlagBlankAndId) {
    AddQuestion(bank_, 0, "太阳从哪边升起？", "b", "3");
    EXPECT_THAT(Pick(),
                ElementsAre("太阳从哪边升起？", "太阳从哪边升起？甲", "太阳从哪边升起？乙",
                            "太阳从哪边升起？丙", "太阳从哪边升起？丁", "B", "3", " ", "0"));
}

TEST_F(BankPick, RightLetterIsTheFirstCharacterUpperCased) {
    AddQuestion(bank_, 0, "q", "c.");
    EXPECT_EQ(Pick()[5], "C");
    Run(bank_, "UPDATE Question SET QARight='Dd'");
    EXPECT_EQ(Pick()[5], "D");
    Run(bank_, "UPDATE Question SET QARight='丙'");
    EXPECT_EQ(Pick()[5], "丙");
}

TEST_F(BankPick, BankNumberedFromZeroYieldsEveryQuestion) {
    for (int id = 0; id < 3; ++id) {
        AddQuestion(bank_, id, "q" + std::to_string(id));
    }
    const std::multiset<std::string> ids = PickMany(60);
    EXPECT_GT(ids.count("0"), 0u);
    EXPECT_GT(ids.count("1"), 0u);
    EXPECT_GT(ids.count("2"), 0u);
}

TEST_F(BankPick, BankNumberedFromOneRedrawsZeroAndNeverYieldsTheLast) {
    for (int id = 1; id <= 3; ++id) {
        AddQuestion(bank_, id, "q" + std::to_string(id));
    }
    const std::multiset<std::string> ids = PickMany(60);
    EXPECT_EQ(ids.count("3"), 0u);
    EXPECT_GT(ids.count("1"), 0u);
    EXPECT_GT(ids.count("2"), 0u);
}

TEST_F(BankPick, RedrawReseedsFromTheClockUntilItMoves) {
    for (int id = 1; id <= 3; ++id) {
        AddQuestion(bank_, id, "q" + std::to_string(id));
    }
    // Of three questions, times 0 to 10 draw 0 (missing), 11 to 21 draw 1, 22 to 31 draw 2.
    const auto readings = UseClock({0, 5, 5, 5, 12});
    EXPECT_EQ(Pick()[8], "1");
    EXPECT_EQ(*readings, 5u);
}

TEST_F(BankPick, EmptyBankFailsAtOnceWithAMessage) {
    EXPECT_THAT([&] { Pick(); },
                ::testing::ThrowsMessage<DatabaseError>(HasSubstr("holds no questions")));
}

TEST_F(BankPick, BankWithoutQuestionsNumberedFromZeroFailsAfterBoundedRedraws) {
    for (int id = 5; id <= 7; ++id) {
        AddQuestion(bank_, id, "q");
    }
    UseClock({0});
    EXPECT_THAT([&] { Pick(); },
                ::testing::ThrowsMessage<DatabaseError>(HasSubstr("numbered 0 to 2")));
}

TEST_F(BankPick, UndecodableTextFailsAndTheBankStaysUsable) {
    AddQuestion(bank_, 0, "q");
    Run(bank_, "UPDATE Question SET QAB='12345'");
    TQADataBase bank(Folder() + "Data\\Qut004\\004.dat");
    EXPECT_THAT([&] { bank.PickQuestion(); },
                ::testing::ThrowsMessage<ConversionError>(HasSubstr("QAB")));
    Run(bank_, "UPDATE Question SET QAB=QAA");
    EXPECT_EQ(bank.PickQuestion()[2], "q甲");
}

// Groups above 255 once decoded to garbage the player saw without a word.
TEST_F(BankPick, TextWithADigitGroupAbove255IsUndecodable) {
    AddQuestion(bank_, 0, "q");
    Run(bank_, "UPDATE Question SET QACont=substr(QACont,1,length(QACont)-3) || '300'");
    TQADataBase bank(Folder() + "Data\\Qut004\\004.dat");
    EXPECT_THAT([&] { bank.PickQuestion(); },
                ::testing::ThrowsMessage<ConversionError>(HasSubstr("QACont")));
}

TEST_F(BankPick, EmptyRightAnswerOrMissingFlagFailsTheRequest) {
    AddQuestion(bank_, 0, "q", "");
    EXPECT_THAT([&] { Pick(); }, ::testing::ThrowsMessage<DatabaseError>(HasSubstr("QARight")));
    Run(bank_, "UPDATE Question SET QARight='A', QAFLAG=NULL");
    EXPECT_THROW(Pick(), ConversionError);
}

}  // namespace
}  // namespace xuehai::test
