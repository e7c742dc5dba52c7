// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ListItem.h"

namespace xuehai {
namespace {

// A short list is the command's own error with the index it wanted, never the library's
// out_of_range, which the error box would show as a raw message.
TEST(ListItem, AShortListIsAGameErrorNamingTheIndex) {
    const std::vector<std::string> question{"题", "甲", "乙"};
    EXPECT_EQ(ListItem(question, 2), "乙");
    EXPECT_THAT([&] { ListItem(question, 8); },
                ::testing::ThrowsMessage<Error>(::testing::HasSubstr("(8)")));
    EXPECT_THROW(ListItem({}, 0), Error);
}

}  // namespace
}  // namespace xuehai
