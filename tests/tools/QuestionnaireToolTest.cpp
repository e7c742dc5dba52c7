// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTestSupport.h"
#include "store/TIQ.h"
#include "store/TuserInfo.h"

namespace xuehai::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Two types: totals 2 to 6 in the first (two items of 1 to 3 points), 0 or 5 in the second.
const std::string kSource =
    "title,小测试\n"
    "type,性格\n"
    "item,你喜欢？,\"读书,画画\",1,唱歌,2,跑步,3\n"
    "item,周末？,在家,1,出门,3,\"说\"\"好\"\"\",2\n"
    "range,2,3,安静\n"
    "range,4,6,活泼\n"
    "type,习惯\n"
    "item,早起？,是,5,否,0,有时,0\n"
    "range,0,0,慢慢来\n"
    "range,1,10,很好\n";

class QuestionnaireToolTest : public BankToolTest {};

TEST_F(QuestionnaireToolTest, BuildThenDumpGivesTheSourceBackAndTheGameReadsIt) {
    const std::string file = Path("q.dat").string();
    const ToolResult built = Run({"questionnaire", "build", Write("q.csv", kSource), file});
    ASSERT_EQ(built.status, 0) << built.err;
    EXPECT_EQ(Run({"questionnaire", "dump", file}).out, kSource);

    TIQ test(file);
    EXPECT_EQ(test.GetTypeCount(), 2);
    EXPECT_THAT(test.LoadTestQuestions(2),
                ElementsAre("早起？", "是", "5", "否", "0", "有时", "0"));
    EXPECT_THAT(test.LoadTestQuestions(2), ElementsAre("NULL"));
    EXPECT_EQ(test.GetResult(1, 4), "活泼");
    EXPECT_EQ(test.GetResult(2, 5), "很好");
}

std::string Replace(const std::string& from, const std::string& to) {
    std::string text = kSource;
    text.replace(text.find(from), from.size(), to);
    return text;
}

struct Refusal {
    std::string source;
    int line;
    const char* message;
};

TEST_F(QuestionnaireToolTest, RefusesEachProblemWithItsLineAndWritesNothing) {
    const Refusal refusals[] = {
        {Replace("range,4,6", "range,5,6"), 2, "type 1: no range holds the reachable total(s) 4"},
        {Replace("range,4,6", "range,3,6"), 6,
         "type 1: the total 3 lies in the ranges of lines 5 and 6"},
        {Replace("range,0,0", "range,1,0"), 9, "the range starts at 1 after its end 0"},
        {Replace(",唱歌,2,", ",唱歌,1001,"), 3, "the points of answer B are '1001'"},
        {Replace("item,周末？,在家,1,", "item,周末？,在家,"), 4,
         "'item' lines have 8 columns, this one has 7"},
        {Replace("range,1,10,很好", "range,1,10,很好😀"), 10,
         "the evaluation holds the character '😀'"},
        {Replace("type,性格\n", "itme,性格\n"), 2, "'itme' starts no known line"},
        {Replace("title,小测试\n", ""), 1, "the first line must be title"},
        {"title,小测试\nitem,早起？,是,5,否,0,有时,0\n", 2, "item before any type line"},
        {Replace("range,0,0,慢慢来\nrange,1,10,很好\n", ""), 7, "type 2 has no range lines"},
    };
    for (const Refusal& refusal : refusals) {
        const std::string csv = Write("bad.csv", refusal.source);
        const ToolResult result = Run({"questionnaire", "build", csv, Path("q.dat").string()});
        EXPECT_EQ(result.status, 1) << refusal.message;
        EXPECT_THAT(result.err,
                    HasSubstr(csv + ":" + std::to_string(refusal.line) + ": " + refusal.message));
        EXPECT_FALSE(std::filesystem::exists(Path("q.dat"))) << refusal.message;
    }
}

TEST_F(QuestionnaireToolTest, RebuildReplacesTheWholeTest) {
    const std::string file = Path("q.dat").string();
    ASSERT_EQ(Run({"questionnaire", "build", Write("q.csv", kSource), file}).status, 0);
    const std::string shorter =
        "title,另一个\ntype,只有一种\nitem,好吗？,好,1,还行,1,不好,1\nrange,1,1,好\n";
    const std::string csv = Write("short.csv", shorter);
    EXPECT_EQ(Run({"questionnaire", "build", csv, file}).status, 3);
    ASSERT_EQ(Run({"questionnaire", "build", "--replace", csv, file}).status, 0);
    EXPECT_EQ(Run({"questionnaire", "dump", file}).out, shorter);
    EXPECT_EQ(TIQ(file).GetTypeCount(), 1);
}

TEST_F(QuestionnaireToolTest, RecordsInitMakesAnEmptyFileOnceAndKeepsItAfterwards) {
    const std::string file = Path("Save/userinfo.dat").string();
    const ToolResult made = Run({"records", "init", file});
    EXPECT_EQ(made.status, 0);
    EXPECT_THAT(made.out, HasSubstr("new, empty"));
    EXPECT_TRUE(TuserInfo(file).GetUserNames().empty());

    EXPECT_TRUE(TuserInfo(file).AddUser("小明", 3));
    const ToolResult kept = Run({"records", "init", file});
    EXPECT_EQ(kept.status, 0);
    EXPECT_THAT(kept.out, HasSubstr("kept"));
    EXPECT_THAT(TuserInfo(file).GetUserData("小明"), ElementsAre("小明", "0", "1", "3"));

    ASSERT_EQ(
        Run({"questionnaire", "build", Write("q.csv", kSource), Path("q.dat").string()}).status, 0);
    const std::string before = Read(Path("q.dat"));
    EXPECT_EQ(Run({"records", "init", Path("q.dat").string()}).status, 3);
    EXPECT_EQ(Read(Path("q.dat")), before);
}

}  // namespace

}  // namespace xuehai::test
