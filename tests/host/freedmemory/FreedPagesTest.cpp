// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/ProcessFigures.h"
#include "host/freedmemory/FreedPages.h"

namespace xuehai {
namespace {

// A screen's many small items freed, with one block made after them still in use: the C
// library cannot give their pages back by shrinking its heap from the top.
TEST(FreedPages, GoBackToTheSystemOnceTheScreenChangeHasSettled) {
    constexpr int kBlocks = 40000;
    constexpr std::size_t kBlockBytes = 1000;
    std::vector<char*> blocks;
    blocks.reserve(kBlocks);
    for (int i = 0; i < kBlocks; ++i) {
        auto* block = static_cast<char*>(std::malloc(kBlockBytes));
        std::memset(block, 1, kBlockBytes);
        blocks.push_back(block);
    }
    auto* kept = static_cast<char*>(std::malloc(kBlockBytes));
    std::memset(kept, 2, kBlockBytes);
    for (char* block : blocks) {
        std::free(block);
    }
    const double freed = ResidentMegabytes();
    ASSERT_GT(freed, 0);

    ReturnFreedPagesSoon();
    ReturnFreedPagesSoon();
    QTest::qWait(100);
    EXPECT_GT(ResidentMegabytes(), freed - 10) << "not while the change is still going on";
    QTest::qWait(600);
    EXPECT_LT(ResidentMegabytes(), freed - 30);
    EXPECT_EQ(kept[0], 2);
    std::free(kept);
}

}  // namespace
}  // namespace xuehai
