// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTestSupport.h"
#include "store/TQADataBase.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;

class BankCheckTest : public BankToolTest {
protected:
    // Five sound questions numbered 0 to 4 (rows 1 to 5).
    std::string SoundBank() {
        return Build("bank.dat", "question,A,B,C,D,right,flag\n" + QuestionLine("一") +
                                     QuestionLine("二", "B") + QuestionLine("三", "C") +
                                     QuestionLine("四", "D") + QuestionLine("五"));
    }
};

struct Damage {
    const char* sql;
    const char* finding;  // heading and count
    const char* row;      // the row as check names it
};

// The game refuses these fields; check must find every one, not only those whose garbage
// happens to be no code page 936 text.
TEST_F(BankCheckTest, EveryFieldWithADigitGroupAbove255IsReported) {
    const std::string bank = SoundBank();
    for (const char* column : {"QACont", "QAA", "QAB", "QAC", "QAD"}) {
        Sql(bank, std::string("UPDATE Question SET ") + column + " = substr(" + column +
                      ", 1, length(" + column + ") - 3) || '256'");
    }
    const ToolResult result = Run({"check", bank});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.out, HasSubstr("\nfields that do not decode: 25\n")) << result.out;
}

TEST_F(BankCheckTest, FindsEachKindOfDamageAndFindsItAgain) {
    const Damage damages[] = {
        {"DELETE FROM Question", "no questions: 1", "the bank"},
        {"UPDATE Question SET QAB = NULL WHERE QAID = 1", "NULL values: 1",
         "question 1 (row 2): QAB is NULL"},
        {"UPDATE Question SET QAID = 7 WHERE QAID = 4", "numbers outside 0 to N - 1: 1",
         "question 7 (row 5)"},
        {"DROP INDEX QuestionByID; UPDATE Question SET QAID = 2 WHERE QAID = 4",
         "numbers used twice: 1", "question 2 (row 5): the same QAID as row 3"},
        {"UPDATE Question SET QAC = '12x' || substr(QAC, 4) WHERE QAID = 0",
         "fields that do not decode: 1", "question 0 (row 1): QAC"},
        {"UPDATE Question SET QAD = substr(QAD, 1, 39) WHERE QAID = 3", "empty texts: 1",
         "question 3 (row 4): QAD decodes to nothing"},
        {"UPDATE Question SET QARight = '' WHERE QAID = 2", "empty or odd right answers: 1",
         "question 2 (row 3)"},
        {"UPDATE Question SET QARight = 'E' WHERE QAID = 2", "empty or odd right answers: 1",
         "QARight is 'E'"},
        {"UPDATE Question SET QAB = QAA WHERE QAID = 0", "answers that read alike: 1",
         "answers A and B both read '一甲'"},
        {"UPDATE Question SET QACont = (SELECT QACont FROM Question WHERE QAID = 0) "
         "WHERE QAID = 4",
         "duplicate questions: 1", "question 4 (row 5): asks the same as question 0 (row 1)"},
        {"INSERT INTO [User-Question](QuestionID, UserName) VALUES(9, '小明')",
         "statistics of missing questions: 1", "question 9"},
    };
    for (const Damage& damage : damages) {
        const std::string bank = SoundBank();
        Sql(bank, damage.sql);
        const ToolResult first = Run({"check", bank});
        EXPECT_EQ(first.status, 1) << damage.sql;
        EXPECT_THAT(first.out, HasSubstr(std::string("\n") + damage.finding + "\n"))
            << damage.sql << "\n"
            << first.out;
        EXPECT_THAT(first.out, HasSubstr(damage.row)) << first.out;
        const ToolResult second = Run({"check", bank});
        EXPECT_EQ(second.status, 1);
        EXPECT_EQ(second.out, first.out);
        std::filesystem::remove(bank);
    }
}

TEST_F(BankCheckTest, CountsEveryFindingOfAKind) {
    const std::string bank = SoundBank();
    Sql(bank,
        "UPDATE Question SET QARight = lower(QARight) || '.' WHERE QAID = 0;"
        "UPDATE Question SET QARight = 'x' WHERE QAID IN (1, 3);"
        "UPDATE Question SET QAFLAG = NULL, QACont = NULL WHERE QAID = 2");
    const ToolResult result = Run({"check", bank});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.out, HasSubstr("5 questions, 4 problems\n"));
    EXPECT_THAT(result.out, HasSubstr("NULL values: 2\n"));
    // "a." is read as A by the game, so it is no problem.
    EXPECT_THAT(result.out, HasSubstr("empty or odd right answers: 2\n"));
}

TEST_F(BankCheckTest, PassesASoundBankWithPlayersInIt) {
    const std::string bank = SoundBank();
    TQADataBase(bank).RecordAnswer("小明", "4", 1);
    const ToolResult result = Run({"check", bank});
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr("5 questions, no problems"));
}

TEST_F(BankCheckTest, RefusesFilesThatAreNoBank) {
    ASSERT_EQ(Run({"records", "init", Path("userinfo.dat").string()}).status, 0);
    const ToolResult records = Run({"check", Path("userinfo.dat").string()});
    EXPECT_EQ(records.status, 3);
    EXPECT_THAT(records.err, HasSubstr("is not a question bank"));
    Write("text.dat", "just text");
    EXPECT_EQ(Run({"check", Path("text.dat").string()}).status, 3);
}

TEST_F(BankCheckTest, DecodeTellsAFieldThatDoesNotDecode) {
    const ToolResult bad = Run({"decode", "123"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_THAT(bad.err, HasSubstr("does not decode"));
}

TEST_F(BankCheckTest, StatsShowsCompletionAndCorrectnessPerPlayer) {
    const std::string bank = SoundBank();
    {
        TQADataBase answers(bank);
        answers.RecordAnswer("小明", "0", 1);
        answers.RecordAnswer("小明", "1", 1);
        answers.RecordAnswer("小明", "1", 1);
        answers.RecordAnswer("小明", "2", -1);
        answers.RecordAnswer("小红", "3", -1);
    }
    const ToolResult all = Run({"stats", bank});
    EXPECT_EQ(all.status, 0);
    EXPECT_THAT(all.out, HasSubstr("5 questions, 2 players"));
    EXPECT_THAT(all.out, HasSubstr("      3      1    75.0%      40.0%  小明 (2 of 5"));
    EXPECT_THAT(all.out, HasSubstr("      0      1     0.0%       0.0%  小红 (0 of 5"));

    const ToolResult one = Run({"stats", bank, "小红"});
    EXPECT_THAT(one.out, HasSubstr("1 player\n"));
    EXPECT_THAT(one.out, ::testing::Not(HasSubstr("小明")));
    EXPECT_THAT(Run({"stats", bank, "小刚"}).out, HasSubstr("小刚: no answers in this bank"));
}

}  // namespace

}  // namespace xuehai::test
