// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>

struct sqlite3;

namespace xuehai {

using LockClock = std::chrono::steady_clock;

// How long a statement outside a command waits for a lock another program holds: long
// enough to wait out a bank tool or the sqlite3 shell writing the file.
inline constexpr std::chrono::milliseconds LoneStatementLockWait{5000};

// Makes every wait of db for a lock end by the deadline of the running command (see
// LockDeadline), or LoneStatementLockWait after it began when no command runs.
void InstallLockWait(sqlite3* db);

// While it lives, every wait for a lock on this thread, on any file, ends by the deadline: the
// statements of one command share one budget. The deadline of an enclosing one is restored
// when it goes.
class LockDeadline {
public:
    explicit LockDeadline(LockClock::time_point deadline);
    ~LockDeadline();
    LockDeadline(const LockDeadline&) = delete;
    LockDeadline& operator=(const LockDeadline&) = delete;

private:
    std::optional<LockClock::time_point> previous_;
};

}  // namespace xuehai
