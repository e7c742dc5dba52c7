// SPDX-License-Identifier: GPL-3.0-or-later
#include "LockWait.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <thread>

namespace xuehai {

namespace {

thread_local std::optional<LockClock::time_point> commandDeadline;
// A statement's waits follow one another on its thread, never nest: the first refusal of
// each wait sets it.
thread_local LockClock::time_point waitBegan;

// Short retries first, as a lock another program holds is mostly gone within milliseconds.
std::chrono::milliseconds Pause(int attempt) {
    constexpr std::array<int, 12> pauses{1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    const auto index = std::min(static_cast<std::size_t>(attempt), pauses.size() - 1);
    return std::chrono::milliseconds(pauses[index]);
}

int WaitForLock(void*, int attempt) {
    const LockClock::time_point now = LockClock::now();
    if (attempt == 0) {
        waitBegan = now;
    }
    const LockClock::time_point deadline =
        commandDeadline.value_or(waitBegan + LoneStatementLockWait);
    if (now >= deadline) {
        return 0;
    }
    std::this_thread::sleep_for(std::min<LockClock::duration>(Pause(attempt), deadline - now));
    return 1;
}

}  // namespace

void InstallLockWait(sqlite3* db) {
    sqlite3_busy_handler(db, &WaitForLock, nullptr);
}

LockDeadline::LockDeadline(LockClock::time_point deadline) : previous_(commandDeadline) {
    commandDeadline = deadline;
}

LockDeadline::~LockDeadline() {
    commandDeadline = previous_;
}

}  // namespace xuehai
