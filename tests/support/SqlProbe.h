// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

struct sqlite3;

namespace xuehai::testing {

// Reads a database file the way an outsider would, past the game's own adapter: the first
// column of the first row the query answers, as text; "none" when there is no row, "NULL"
// for a NULL. A query the engine refuses fails the running test.
std::string SqlValue(const std::filesystem::path& file, const std::string& sql);

// Runs statements on the file directly, to set up states the game would never write.
void SqlRun(const std::filesystem::path& file, const std::string& sql);

// Another program's hold on a database file: a connection of its own takes the lock and keeps
// it until Release or the end of the scope. A write lock lets others read; an exclusive one
// (the file kept in exclusive locking mode) lets nobody in, not even to open the file, and
// can only be taken while no other connection has the file open.
class ForeignLock {
public:
    enum class Kind { Write, Exclusive };

    ForeignLock(const std::filesystem::path& file, Kind kind);
    ~ForeignLock();
    ForeignLock(const ForeignLock&) = delete;
    ForeignLock& operator=(const ForeignLock&) = delete;

    void Release();
    // Lets go after the delay, from a thread of its own, while the test waits on the lock.
    void ReleaseAfter(std::chrono::milliseconds delay);

private:
    sqlite3* db_ = nullptr;
    std::thread releaser_;
};

}  // namespace xuehai::testing
