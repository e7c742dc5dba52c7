// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "store/GameRandom.h"

namespace xuehai {
namespace {

class GameRandomTest : public ::testing::Test {
protected:
    void TearDown() override { SetTimeOfDayClock({}); }
};

TEST_F(GameRandomTest, DrawsFollowTheLinearCongruentialSequence) {
    RandSeed = 0;
    std::vector<std::uint32_t> draws;
    for (int i = 0; i < 5; ++i) {
        draws.push_back(Random(100));
    }
    EXPECT_EQ(draws, (std::vector<std::uint32_t>{0, 3, 86, 20, 27}));
    EXPECT_EQ(RandSeed, 1172187917u);
    EXPECT_EQ(Random(0), 0u);
}

TEST_F(GameRandomTest, RandomizeReadsTheTimeOfDay) {
    SetTimeOfDayClock([] { return 86399999u; });
    Randomize();
    EXPECT_EQ(RandSeed, 86399999u);
    SetTimeOfDayClock({});
    Randomize();
    EXPECT_LT(RandSeed, 24u * 60 * 60 * 1000);
}

}  // namespace
}  // namespace xuehai
