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

HandlePool::Handle HandlePool::Take(const std::string& key, const std::string& password) {
    for (;;) {
        auto it = std::find_if(idle_.rbegin(), idle_.rend(), [&](const Idle& idle) {
            return idle.key == key && idle.password == password;
        });
        if (it == idle_.rend()) {
            return {};
        }
        Handle handle = std::move(it->handle);
        idle_.erase(std::next(it).base());
        int moved = 0;
        if (sqlite3_file_control(handle.db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
            moved == 0) {
            return handle;
        }
        sqlite3_close_v2(handle.db);
    }
}

void HandlePool::Give(const std::string& key, const std::string& password, Handle handle) {
    if (idle_.size() == Capacity) {
        sqlite3_close_v2(idle_.front().handle.db);
        idle_.erase(idle_.begin());
    }
    idle_.push_back(Idle{key, password, std::move(handle)});
}

void HandlePool::CloseAll() {
    for (const Idle& idle : idle_) {
        sqlite3_close_v2(idle.handle.db);
    }
    idle_.clear();
}

}  // namespace xuehai
