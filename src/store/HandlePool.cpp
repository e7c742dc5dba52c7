// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandlePool.h"

#include <sqlite3.h>

#include <algorithm>

namespace xuehai {

HandlePool& HandlePool::Instance() {
    static HandlePool pool;
    return pool;
}

HandlePool::~HandlePool() {
    CloseAll();
}

sqlite3* HandlePool::Take(const FileKey& file, const std::string& password) {
    for (;;) {
        auto it = std::find_if(idle_.rbegin(), idle_.rend(), [&](const Idle& idle) {
            return idle.file == file && idle.password == password;
        });
        if (it == idle_.rend()) {
            return nullptr;
        }
        sqlite3* db = it->db;
        idle_.erase(std::next(it).base());
        int moved = 0;
        if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
            moved == 0) {
            return db;
        }
        sqlite3_close_v2(db);
    }
}

void HandlePool::Give(const FileKey& file, const std::string& password, sqlite3* db) {
    if (idle_.size() == Capacity) {
        sqlite3_close_v2(idle_.front().db);
        idle_.erase(idle_.begin());
    }
    idle_.push_back(Idle{file, password, db});
}

void HandlePool::CloseAll() {
    for (const Idle& idle : idle_) {
        sqlite3_close_v2(idle.db);
    }
    idle_.clear();
}

}  // namespace xuehai
