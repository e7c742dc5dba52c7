// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

namespace xuehai {

// The screens open a question bank for every movie command. Opening SQLite afresh each time
// costs a schema read, and closing the last handle of a WAL file forces a checkpoint with
// two disk flushes, over a millisecond per answer. So a released handle waits here, idle,
// and the next connection that names the file the same way, with the same password, takes
// it over without resolving the path again. An idle handle holds no statement and no
// transaction, so it locks nothing.
class HandlePool {
public:
    static HandlePool& Instance();

    ~HandlePool();
    HandlePool(const HandlePool&) = delete;
    HandlePool& operator=(const HandlePool&) = delete;

    struct Handle {
        sqlite3* db = nullptr;
        std::filesystem::path file;  // the file db was opened on
    };

    // An idle handle for the file named by key (the caller's spelling) and password, or
    // one with a null db. A handle whose file has been renamed or deleted since it was
    // opened is closed instead of handed out.
    Handle Take(const std::string& key, const std::string& password);

    // Keeps the handle for reuse, closing the longest-idle one when the pool is full.
    void Give(const std::string& key, const std::string& password, Handle handle);

    // Closes every idle handle (each close checkpoints its file).
    void CloseAll();

private:
    HandlePool() = default;

    struct Idle {
        std::string key;
        std::string password;
        Handle handle;
    };
    // The progress report reads sixteen banks and the player records in one go.
    static constexpr std::size_t Capacity = 24;
    std::vector<Idle> idle_;  // oldest first
};

}  // namespace xuehai
