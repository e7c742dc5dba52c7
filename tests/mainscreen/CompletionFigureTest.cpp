// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/Errors.h"
#include "mainscreen/CompletionFigure.h"

namespace xuehai::test {

TEST(CompletionFigure, RefusesWhatNoWholeNumberCanHold) {
    EXPECT_THROW(CompletionFigure(std::nan(""), 100), ConversionError);
    EXPECT_THROW(CompletionFigure(std::numeric_limits<double>::infinity(), 100), ConversionError);
    EXPECT_THROW(CompletionFigure(1e300, 1000), ConversionError);
}

}  // namespace xuehai::test
