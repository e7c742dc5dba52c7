// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "authoring/QuestionnaireSource.h"

namespace xuehai::bank {

namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// The teacher's desk shows the character test's problems in Chinese, by their lines, while
// the tool keeps its own words.
TEST(QuestionnaireWordingTest, EveryProblemHasChineseWordsAtItsLine) {
    const QuestionnaireSource read = ReadQuestionnaireSource(
        "title,小测试\n"
        "type,活泼\n"
        "item,你喜欢？,唱歌,1,跳舞,2,画画,3\n"
        "item,你常常？,看书,1,玩,x,睡,2\n"  // 4: points that are no number
        "item,你常常？,看书,1,玩,2\n"       // 5: too few columns
        "range,1,3,安静\n"
        "range,3,5,热闹\n"             // 7: 3 lies in two ranges
        "range,9,8,反了\n"             // 8: low above high
        "item,你会？,😀,1,好,2,行,3\n"  // 9: a character the game cannot show
        "quiz,多余\n");                // 10: no such line
    std::map<int, std::string> byLine;
    for (const SourceProblem& p : read.problems) {
        EXPECT_THAT(p.wording, Not(IsEmpty())) << p.line << ": " << p.message;
        EXPECT_THAT(p.message, Not(HasSubstr("分"))) << "the tool's words stay its own";
        byLine[p.line] += p.wording;
    }
    EXPECT_THAT(byLine[4], HasSubstr("答案 B的分数“x”不对"));
    EXPECT_THAT(byLine[5], HasSubstr("item 行要有 8 栏"));
    EXPECT_THAT(byLine[7], HasSubstr("总分 3 同时落在第 6 行、第 7 行的分数段里"));
    EXPECT_THAT(byLine[8], HasSubstr("最低分 9 比最高分 8 还大"));
    EXPECT_THAT(byLine[9], HasSubstr("答案 A里的“😀”游戏显示不了"));
    EXPECT_THAT(byLine[10], HasSubstr("“quiz”不是认得的行"));
}

TEST(QuestionnaireWordingTest, UncoveredTotalsAndMissingPartsAreNamedInChinese) {
    const QuestionnaireSource uncovered = ReadQuestionnaireSource(
        "title,小测试\ntype,活泼\nitem,你喜欢？,唱歌,1,跳舞,2,画画,3\nrange,1,1,安静\n");
    ASSERT_EQ(uncovered.problems.size(), 1u);
    EXPECT_EQ(uncovered.problems[0].wording,
              "第 1 个类型能得到的总分 2 到 3 不在任何分数段里，请补上分数段。");
    const QuestionnaireSource empty = ReadQuestionnaireSource("title,小测试\ntype,活泼\n");
    ASSERT_EQ(empty.problems.size(), 1u);
    EXPECT_EQ(empty.problems[0].wording, "第 1 个类型还没有题目（item 行）。");
    const QuestionnaireSource quote = ReadQuestionnaireSource("title,\"小测试\ntype,活泼\n");
    ASSERT_FALSE(quote.problems.empty());
    EXPECT_THAT(quote.problems[0].wording, HasSubstr("引号"));
}

}  // namespace

}  // namespace xuehai::bank
