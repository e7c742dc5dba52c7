// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqlProbe.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace xuehai::testing {

std::string SqlValue(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string value = "none";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    } else if (sqlite3_step(statement) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement, 0);
        value = text != nullptr ? reinterpret_cast<const char*>(text) : "NULL";
    }
    sqlite3_finalize(statement);
    sqlite3_close_v2(db);
    return value;
}

void SqlRun(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << file << ": " << sqlite3_errmsg(db);
    } else {
        char* error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << (error != nullptr ? error : "");
            sqlite3_free(error);
        }
    }
    sqlite3_close_v2(db);
}

ForeignLock::ForeignLock(const std::filesystem::path& file, Kind kind) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << file << ": " << sqlite3_errmsg(db_);
        return;
    }
    const char* sql = kind == Kind::Write ? "BEGIN IMMEDIATE"
                                          : "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                                            "CREATE TABLE IF NOT EXISTS ForeignMark(x); COMMIT";
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << (error != nullptr ? error : "");
        sqlite3_free(error);
    }
}

ForeignLock::~ForeignLock() {
    Release();
}

void ForeignLock::Release() {
    if (releaser_.joinable()) {
        releaser_.join();
    }
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

void ForeignLock::ReleaseAfter(std::chrono::milliseconds delay) {
    releaser_ = std::thread([this, delay] {
        std::this_thread::sleep_for(delay);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db_);
        db_ = nullptr;
    });
}

}  // namespace xuehai::testing
