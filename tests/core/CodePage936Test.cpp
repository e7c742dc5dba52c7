// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/CodePage936.h"
#include "core/Errors.h"

namespace xuehai {
namespace {

TEST(CodePage936, ChineseTextTakesTwoBytesACharacter) {
    EXPECT_EQ(Utf8ToCp936("学海"), "\xD1\xA7\xBA\xA3");
    EXPECT_EQ(Utf8ToCp936("a学"), "a\xD1\xA7");
    EXPECT_EQ(Cp936Length("小明abc"), 7u);
    EXPECT_EQ(Cp936Length(""), 0u);
}

TEST(CodePage936, TextSurvivesTheWayThereAndBack) {
    const std::string text = "中国的首都是哪座城市？（北京）";
    EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(text)), text);
    std::string longText;
    for (int i = 0; i < 400; ++i) {
        longText += "题";
    }
    EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(longText)), longText);
}

TEST(CodePage936, CharacterOutsideTheCodePageIsRefused) {
    EXPECT_FALSE(FitsCp936("😀"));
    EXPECT_FALSE(FitsCp936("한국"));
    EXPECT_TRUE(FitsCp936("學"));
    EXPECT_THROW(Utf8ToCp936("a😀"), ConversionError);
    EXPECT_THROW(Utf8ToCp936("\xFF"), ConversionError);
}

TEST(CodePage936, DamagedBytesShowAsReplacementCharacters) {
    EXPECT_EQ(Cp936ToUtf8("A\xD1"), "A\xEF\xBF\xBD");
    EXPECT_EQ(Cp936ToUtf8("\xFF"
                          "B"),
              "\xEF\xBF\xBD"
              "B");
}

}  // namespace
}  // namespace xuehai
