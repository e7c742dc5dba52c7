// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CsvImport.h"
#include "core/CodePage936.h"

namespace xuehai::test {

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A spreadsheet saved on a Chinese system: GBK, CRLF, a header, and the usual slips.
TEST(CsvImportTest, GbkFileIsReadWithItsProblemsByLine) {
    const std::string utf8 =
        "question,A,B,C,D,right,flag\r\n"
        "长江在哪里,中国,美国,英国,法国,a,1\r\n"
        "少一列,甲,乙,丙,A,1\r\n"
        "一样,甲,甲,丙,丁,B,2\r\n"
        "长江在哪里,东,南,西,北,C,1\r\n";
    const teacher::CsvImport import = teacher::ReadCsvImport(Utf8ToCp936(utf8));
    EXPECT_EQ(import.encoding, bank::SourceEncoding::Gb18030);
    ASSERT_EQ(import.questions.size(), 3u);
    EXPECT_EQ(import.questions[0].right, "A");
    EXPECT_EQ(import.questions[0].answers[0], "中国");
    EXPECT_THAT(import.lines, ElementsAre(2, 4, 5));
    EXPECT_EQ(import.skippedLines, 1);
    ASSERT_EQ(import.problems.size(), 3);
    EXPECT_THAT(import.problems[0].toStdString(), HasSubstr("第 3 行：应有 7 列"));
    EXPECT_THAT(import.problems[1].toStdString(), HasSubstr("第 4 行：答案 A和答案 B一模一样"));
    EXPECT_THAT(import.problems[2].toStdString(), HasSubstr("第 5 行：和第 2 行是同一道题"));
}

TEST(CsvImportTest, Utf8WithAndWithoutMarkReadAlike) {
    const std::string utf8 = "镕,甲,乙,丙,丁,D,3\n";
    const teacher::CsvImport plain = teacher::ReadCsvImport(utf8);
    const teacher::CsvImport marked = teacher::ReadCsvImport("\xEF\xBB\xBF" + utf8);
    EXPECT_EQ(plain.encoding, bank::SourceEncoding::Utf8);
    EXPECT_EQ(marked.encoding, bank::SourceEncoding::Utf8WithMark);
    ASSERT_EQ(marked.questions.size(), 1u);
    EXPECT_EQ(marked.questions[0].text, "镕");
    EXPECT_TRUE(marked.problems.isEmpty());
}

TEST(CsvImportTest, UnclosedQuoteIsNamedAtItsLine) {
    const teacher::CsvImport import =
        teacher::ReadCsvImport("一,甲,乙,丙,丁,A,1\n\"二,甲,乙,丙,丁,A,1\n");
    ASSERT_FALSE(import.problems.isEmpty());
    EXPECT_THAT(import.problems[0].toStdString(), HasSubstr("第 2 行：引号没有配对"));
}

}  // namespace

}  // namespace xuehai::test
