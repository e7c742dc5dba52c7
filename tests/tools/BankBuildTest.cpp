// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTestSupport.h"
#include "core/CodePage936.h"
#include "store/TQADataBase.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kHeader = "question,A,B,C,D,right,flag\n";

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

class BankBuildTest : public BankToolTest {};

TEST_F(BankBuildTest, BuildThenDumpGivesTheSourceBack) {
    const std::string source =
        kHeader + "\"逗号,和\"\"引号\"\"\",\"第一行\n第二行\", 前有空格,A,D,C,1\n" +
        Repeat("长", 127) + "x,是,否,对,错,B,2\n" +  // 255 bytes in code page 936: the limit
        "Which word is a noun?,apple,run,quickly,blue,A,3\n" + "哪个是“名词”？,是,否,对,错,D,1\n";
    const std::string bank = Build("bank.dat", source);

    const ToolResult dump = Run({"dump", bank});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out, source);
}

TEST_F(BankBuildTest, ReadsCrlfAByteOrderMarkAndNoHeader) {
    const std::string bank = Build("bank.dat",
                                   "\xEF\xBB\xBF"
                                   "一,甲,乙,丙,丁,A,1\r\n\r\n二,甲,乙,丙,丁,C,2\r\n");
    EXPECT_EQ(Run({"dump", bank}).out, kHeader + "一,甲,乙,丙,丁,A,1\n二,甲,乙,丙,丁,C,2\n");
}

TEST_F(BankBuildTest, ScramblesEveryTextWithItsOwnKey) {
    const std::string bank =
        Build("bank.dat", kHeader + "一,是,否,对,错,A,1\n二,是,否,对,错,A,1\n");
    const std::string first = Value(bank, "SELECT QAA FROM Question WHERE QAID = 0");
    const std::string second = Value(bank, "SELECT QAA FROM Question WHERE QAID = 1");
    EXPECT_NE(first, second);
    EXPECT_EQ(first.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(first.size(), 39u + 3 * 2);  // "是" is two bytes in code page 936

    const ToolResult decoded = Run({"decode", second});
    EXPECT_EQ(decoded.status, 0);
    EXPECT_EQ(decoded.out, "是\n");
}

struct Refusal {
    const char* line;
    const char* message;
};

// Each bad line comes at line 5, after a question whose quoted text spans lines 3 and 4.
TEST_F(BankBuildTest, RefusesEachProblemWithItsLineAndWritesNothing) {
    const Refusal refusals[] = {
        {"太长,甲,乙,丙,丁,A,1", nullptr},
        {"表情😀,甲,乙,丙,丁,A,1", "the character '😀', which code page 936 cannot hold"},
        {"少一列,甲,乙,丙,A,1", "expected 7 columns"},
        {"字母,甲,乙,丙,丁,E,1", "the right answer is 'E'"},
        {"两个字母,甲,乙,丙,丁,ab,1", "the right answer is 'ab'"},
        {"小写之外,甲,乙,丙,丁,e,1", "the right answer is 'e'"},
        {"空答案,甲,,丙,丁,A,1", "answer B is empty"},
        {"难度,甲,乙,丙,丁,A,易", "the flag is '易'"},
        {"一样,甲,乙,甲,丁,A,1", "answer A and answer C are the same text"},
        {"第一题,甲,乙,丙,丁,A,1", "the same question as line 2"},
        {"\"没有收尾,甲,乙,丙,丁,A,1", "never closed"},
    };
    const std::string tooLong = Repeat("长", 128);
    for (const Refusal& refusal : refusals) {
        const std::string bad = refusal.message ? refusal.line : tooLong + ",甲,乙,丙,丁,A,1";
        const std::string csv =
            Write("bad.csv", kHeader + "第一题,甲,乙,丙,丁,A,1\n" +
                                 "\"两行\n的题\",甲,乙,丙,丁,B,2\n" + bad + "\n");
        const ToolResult result = Run({"build", csv, Path("bank.dat").string()});
        const std::string expected = refusal.message ? refusal.message : "256 bytes";
        EXPECT_EQ(result.status, 1) << bad;
        EXPECT_THAT(result.err, HasSubstr(csv + ":5: ")) << bad;
        EXPECT_THAT(result.err, HasSubstr(expected)) << bad;
        EXPECT_THAT(result.err, HasSubstr("nothing written"));
        EXPECT_FALSE(std::filesystem::exists(Path("bank.dat"))) << bad;
        EXPECT_FALSE(std::filesystem::exists(Path("bank.dat.part"))) << bad;
    }
}

// Spreadsheets on Chinese systems save CSV in GBK; the game reads a lower-case right letter
// as its upper case, so the tool does too.
TEST_F(BankBuildTest, ReadsGbkSourcesAndLowerCaseRightLetters) {
    const std::string utf8 = kHeader + "小写,甲,乙,丙,丁,c,1\n" + QuestionLine("镕") +
                             "\"引号\"\"内\",甲,乙,丙,丁,D,2\n";
    const std::string expected = kHeader + "小写,甲,乙,丙,丁,C,1\n" + QuestionLine("镕") +
                                 "\"引号\"\"内\",甲,乙,丙,丁,D,2\n";
    // "镕" lies outside GB2312 but inside GBK: the whole of code page 936 is read.
    const std::string gbk = Utf8ToCp936(utf8);
    const std::string sources[] = {utf8, "\xEF\xBB\xBF" + utf8, gbk};
    for (std::size_t i = 0; i < std::size(sources); ++i) {
        const std::string csv = Write("q" + std::to_string(i) + ".csv", sources[i]);
        const std::string bank = Path("q" + std::to_string(i) + ".dat").string();
        const ToolResult built = Run({"build", csv, bank});
        ASSERT_EQ(built.status, 0) << i << built.err;
        EXPECT_EQ(Run({"dump", bank}).out, expected) << i;
        EXPECT_EQ(built.err.find("GBK") != std::string::npos, i == 2) << built.err;
    }
}

TEST_F(BankBuildTest, SourceThatIsNeitherUtf8NorGbkIsRefusedByLine) {
    // 0x80 alone and 0xFF start no character in either encoding.
    const std::string csv =
        Write("bad.csv", kHeader + QuestionLine("一") + "\x80\xFF,甲,乙,丙,丁,A,1\n");
    const ToolResult result = Run({"build", csv, Path("bank.dat").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr(csv + ":3: the question holds a byte that is not UTF-8"));
    EXPECT_THAT(result.err, Not(HasSubstr("GBK")));
}

TEST_F(BankBuildTest, RefusedRebuildLeavesTheBankAsItWas) {
    const std::string bank = Build("bank.dat", kHeader + QuestionLine("一"));
    const std::string before = Read(bank);
    const std::string csv = Write("bad.csv", kHeader + QuestionLine("一", "X"));
    EXPECT_EQ(Run({"build", "--replace", csv, bank}).status, 1);
    EXPECT_EQ(Read(bank), before);
}

TEST_F(BankBuildTest, WritesOverABankOnlyWhenAskedTo) {
    const std::string bank = Build("bank.dat", kHeader + QuestionLine("一"));
    const std::string csv = Write("new.csv", kHeader + QuestionLine("二"));
    const ToolResult refused = Run({"build", csv, bank});
    EXPECT_EQ(refused.status, 3);
    EXPECT_THAT(refused.err, HasSubstr("--replace"));
    EXPECT_EQ(Run({"build", "--replace", csv, bank}).status, 0);
    EXPECT_EQ(Run({"dump", bank}).out, kHeader + QuestionLine("二"));
}

TEST_F(BankBuildTest, UnchangedSourceWritesNothing) {
    const std::string source = kHeader + QuestionLine("一") + QuestionLine("二", "C");
    const std::string bank = Build("bank.dat", source);
    const std::string field = Value(bank, "SELECT QACont FROM Question WHERE QAID = 1");

    const ToolResult again = Run({"build", "--replace", Write("bank.dat.csv", source), bank});
    EXPECT_EQ(again.status, 0);
    EXPECT_THAT(again.out, HasSubstr("up to date"));
    // A rewrite would have drawn new random keys.
    EXPECT_EQ(Value(bank, "SELECT QACont FROM Question WHERE QAID = 1"), field);
}

TEST_F(BankBuildTest, RebuildKeepsStatisticsWithTheirQuestions) {
    const std::string bank = Build("bank.dat", kHeader + QuestionLine("一") + QuestionLine("二") +
                                                   QuestionLine("三") + QuestionLine("四"));
    {
        TQADataBase answers(bank);
        answers.RecordAnswer("小明", "0", 1);
        answers.RecordAnswer("小明", "1", -1);
        answers.RecordAnswer("小明", "2", 1);
        answers.RecordAnswer("小明", "2", 1);
        answers.RecordAnswer("小明", "3", 1);
    }
    // 三 and 一 swap places, 二 is reworded in place with the same right answer, and a
    // different question with another right answer takes the place of 四.
    const std::string reworded = "二改,二甲,二乙,二丙,二丁,A,1\n";
    const std::string csv = Write("new.csv", kHeader + QuestionLine("三") + reworded +
                                                 QuestionLine("一") + QuestionLine("五", "B"));
    const ToolResult rebuilt = Run({"build", "--replace", csv, bank});
    ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
    EXPECT_THAT(rebuilt.out, HasSubstr("3 earlier questions carried over (3 player rows kept, 1"));

    auto counts = [&](int id) {
        return Value(bank,
                     "SELECT RightCount || '/' || WrongCount FROM [User-Question] "
                     "WHERE UserName = '小明' AND QuestionID = " +
                         std::to_string(id));
    };
    EXPECT_EQ(counts(0), "2/0");  // 三
    EXPECT_EQ(counts(1), "0/1");  // 二, reworded
    EXPECT_EQ(counts(2), "1/0");  // 一
    EXPECT_EQ(counts(3), "none");
    EXPECT_EQ(Value(bank, "SELECT UserRight || '/' || UserWrong FROM UserStats"), "4/1");
    EXPECT_DOUBLE_EQ(TQADataBase(bank).GetRate("Wancheng", "小明"), 0.5);
}

TEST_F(BankBuildTest, RefusesArgumentsItDoesNotKnow) {
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"bulid", "a", "b"}).status, 2);
    EXPECT_EQ(Run({"build", "only-one"}).status, 2);
    EXPECT_EQ(Run({"build", "--force", "a", "b"}).status, 2);
    EXPECT_EQ(Run({"dump", Path("missing.dat").string()}).status, 3);
    const ToolResult help = Run({"questionnaire", "build", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("usage: xuehai-bank questionnaire build"));
}

}  // namespace

}  // namespace xuehai::test
