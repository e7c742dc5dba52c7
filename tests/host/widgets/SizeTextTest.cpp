// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/widgets/SizeText.h"

namespace xuehai {
namespace {

TEST(SizeText, ReadsWidthByHeight) {
    EXPECT_EQ(ParseSizeText(QStringLiteral("800x600")), QSize(800, 600));
    EXPECT_EQ(ParseSizeText(QStringLiteral("1920x1080")), QSize(1920, 1080));
}

TEST(SizeText, RefusesWhatIsNotTwoPositiveNumbers) {
    for (const char* text : {"", "800", "800x", "x600", "800x600x2", "0x600", "800x-1", "axb",
                             "800X600", "80.5x600"}) {
        EXPECT_EQ(ParseSizeText(QString::fromLatin1(text)), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace xuehai
