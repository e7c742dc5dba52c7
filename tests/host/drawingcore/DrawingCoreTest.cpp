// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sched.h>

#include <thread>

#include "host/drawingcore/DrawingCore.h"

namespace xuehai {
namespace {

cpu_set_t CoresOfThisThread() {
    cpu_set_t set;
    CPU_ZERO(&set);
    EXPECT_EQ(sched_getaffinity(0, sizeof set, &set), 0);
    return set;
}

// The drawing threads Qt starts after the choice (its fill pool, the music's) must land on
// the same core as the thread that draws, and the program must still run on that core.
TEST(DrawingCoreTest, TheCallerAndTheThreadsItStartsLaterShareOneCore) {
    // Run in a thread of its own so the test program's other tests keep every core.
    std::thread drawer([] {
        const int core = KeepDrawingOnOneCore();
        ASSERT_GE(core, 0);
        const cpu_set_t mine = CoresOfThisThread();
        EXPECT_EQ(CPU_COUNT(&mine), 1);
        EXPECT_TRUE(CPU_ISSET(core, &mine));
        EXPECT_EQ(sched_getcpu(), core);

        cpu_set_t started;
        std::thread([&started] { started = CoresOfThisThread(); }).join();
        EXPECT_TRUE(CPU_EQUAL(&started, &mine));
    });
    drawer.join();
}

TEST(DrawingCoreTest, ThreadsThatAlreadyRanKeepEveryCore) {
    const cpu_set_t before = CoresOfThisThread();
    std::thread([] { KeepDrawingOnOneCore(); }).join();
    const cpu_set_t after = CoresOfThisThread();
    EXPECT_TRUE(CPU_EQUAL(&before, &after));
}

}  // namespace
}  // namespace xuehai
