// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "authoring/QuestionCheck.h"
#include "authoring/SourceEncoding.h"

namespace xuehai::bank {

namespace {

// Bytes a GBK file can hold that a careless UTF-8 test would let through: overlong forms,
// surrogates and cut-off sequences are no UTF-8.
TEST(SourceEncodingTest, OnlyWellFormedUtf8CountsAsUtf8) {
    EXPECT_TRUE(IsUtf8("题目 ABC 😀"));
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));          // overlong '/'
    EXPECT_FALSE(IsUtf8("\xE0\x80\xAF"));      // overlong, three bytes
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));      // a surrogate half
    EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsUtf8("\xE9\xA2"));          // cut off
    EXPECT_FALSE(IsUtf8("\xCC\xE2"));          // 题 in GBK
}

TEST(SourceEncodingTest, GbkAndGb18030AreConvertedWholeAndOtherBytesLeftAlone) {
    // 题目 in GBK, then 😀 as GB18030 writes it in four bytes.
    const DecodedSource gbk = DecodeSource("\xCC\xE2\xC4\xBF,\x94\x39\xFC\x36\n");
    EXPECT_EQ(gbk.encoding, SourceEncoding::Gb18030);
    EXPECT_EQ(gbk.utf8, "题目,😀\n");
    const DecodedSource broken = DecodeSource("ok\xFF\n");
    EXPECT_EQ(broken.encoding, SourceEncoding::Utf8);
    EXPECT_EQ(broken.utf8, "ok\xFF\n");
    EXPECT_EQ(DecodeSource("\xEF\xBB\xBF题").encoding, SourceEncoding::Utf8WithMark);
    // Pure ASCII reads the same either way and is taken as UTF-8.
    EXPECT_EQ(DecodeSource("a,b\n").encoding, SourceEncoding::Utf8);
}

TEST(QuestionCheckTest, RightLetterIsReadAsTheGameReadsIt) {
    EXPECT_EQ(NormalRightLetter("c"), "C");
    EXPECT_EQ(NormalRightLetter("D"), "D");
    EXPECT_EQ(NormalRightLetter("e"), "e");
    EXPECT_EQ(NormalRightLetter("ab"), "ab");
    Question q{"题", {"甲", "乙", "丙", "丁"}, "d", "2"};
    EXPECT_TRUE(CheckQuestion(q).empty());
    q.right = "e";
    ASSERT_EQ(CheckQuestion(q).size(), 1u);
    EXPECT_EQ(CheckQuestion(q)[0].column, kColumnRight);
}

TEST(QuestionCheckTest, ATextTooLongForTheBankIsRefusedAtItsColumn) {
    std::string text;
    for (int i = 0; i < 128; ++i) {
        text += "长";
    }
    const Question q{"题", {"甲", text, "丙", "丁"}, "A", "1"};
    const auto problems = CheckQuestion(q);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].column, kColumnB);
    EXPECT_EQ(problems[0].text.kind, TextFault::TooLong);
    EXPECT_EQ(problems[0].text.bytes, 256u);
    EXPECT_EQ(DescribeProblem(problems[0]),
              "answer B is 256 bytes long in code page 936, more than 255 (a Chinese character "
              "counts two)");
}

}  // namespace

}  // namespace xuehai::bank
