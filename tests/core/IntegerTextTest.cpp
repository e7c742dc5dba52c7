// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/IntegerText.h"

namespace xuehai {
namespace {

TEST(IntegerText, SignAndDigitsAreANumber) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("+12"), 12);
    EXPECT_EQ(StrToInt("-5"), -5);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("-00000000001"), -1);
}

TEST(IntegerText, AnythingElseFailsNamingTheText) {
    for (const char* text : {"", "-", "+", " 1", "1 ", "1a", "0x10", "1.0", "+-1", "--1",
                             "2147483648", "-2147483649", "99999999999", "１２"}) {
        EXPECT_THROW(StrToInt(text), ConversionError) << text;
    }
    EXPECT_THAT([] { StrToInt("4x7"); },
                ::testing::ThrowsMessage<ConversionError>(::testing::HasSubstr("'4x7'")));
}

}  // namespace
}  // namespace xuehai
