// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

namespace xuehai {

// A file by what it is rather than how a caller spells it: two spellings of one file (other
// letter case, a link, "./") give one key.
struct FileKey {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileKey&) const = default;
};

// The screens open a question bank for every movie command. Opening SQLite afresh each time
// costs a schema read, and closing the last handle of a WAL file forces a checkpoint with
// two disk flushes, over a millisecond per answer. So a released handle waits here, idle,
// and the next connection to the same file with the same password takes it over. An idle
// handle holds no statement and no transaction, so it locks nothing.
class HandlePool {
public:
    static HandlePool& Instance();

    ~HandlePool();
    HandlePool(const HandlePool&) = delete;
    HandlePool& operator=(const HandlePool&) = delete;

    // An idle handle for the file and password, or null. A handle whose file has been renamed
    // or deleted since it was opened is closed instead of handed out.
    sqlite3* Take(const FileKey& file, const std::string& password);

    // Keeps the handle for reuse, closing the longest-idle one when the pool is full.
    void Give(const FileKey& file, const std::string& password, sqlite3* db);

    // Closes every idle handle (each close checkpoints its file).
    void CloseAll();

private:
    HandlePool() = default;

    struct Idle {
        FileKey file;
        std::string password;
        sqlite3* db;
    };
    // The progress report reads sixteen banks and the player records in one go.
    static constexpr std::size_t Capacity = 24;
    std::vector<Idle> idle_;  // oldest first
};

}  // namespace xuehai
