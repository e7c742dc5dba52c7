// SPDX-License-Identifier: GPL-3.0-or-later
#include "Connection.h"

#include <sqlite3.h>

#include "ConnectionString.h"
#include "FileIdentity.h"
#include "HandlePool.h"
#include "SqlDialect.h"
#include "Statement.h"
#include "core/Errors.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"

namespace xuehai {

namespace {

// Long enough to wait out another program (a bank tool, the sqlite3 shell) that is
// writing the file; the game itself never holds a lock between calls.
constexpr int BusyTimeoutMs = 5000;

void Configure(sqlite3* db, const std::filesystem::path& file) {
    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    RegisterDialectFunctions(db);
    // Not stored in the file, so every handle sets it: in WAL mode a crash of the game
    // loses nothing committed and a power cut at worst the latest answers, never the file.
    char* error = nullptr;
    if (sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        throw DatabaseError("cannot configure database file '" + file.string() + "': " + message);
    }
}

}  // namespace

Connection::Connection(std::string_view connectionString) {
    ConnectionSettings settings = ParseConnectionString(connectionString);
    password_ = std::move(settings.password);
    key_ = ProgramFolder() + '\n' + settings.database;
    if (!TakeIdleHandle()) {
        file_ = ResolveGamePath(settings.database);
        Open();
    }
}

Connection::Connection(const std::filesystem::path& file, std::string_view password)
    : file_(std::filesystem::absolute(file).lexically_normal()), password_(password) {
    key_ = file_.string();
    if (!TakeIdleHandle()) {
        Open();
    }
}

bool Connection::TakeIdleHandle() {
    HandlePool::Handle handle = HandlePool::Instance().Take(key_, password_);
    if (handle.db == nullptr) {
        return false;
    }
    db_ = handle.db;
    file_ = std::move(handle.file);
    return true;
}

void Connection::Open() {
    std::error_code ec;
    const auto status = std::filesystem::status(file_, ec);
    if (!std::filesystem::exists(status)) {
        throw DatabaseError("database file '" + file_.string() + "' does not exist");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw DatabaseError("'" + file_.string() +
                            "' is not a game database file (it is not a file)");
    }
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            throw DatabaseError("cannot open database file '" + file_.string() + "': " +
                                (db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
        }
        CheckFileIdentity(db_, file_, password_);
        Configure(db_, file_);
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

Connection::~Connection() {
    // A handle in the middle of something is not fit to lend to the next connection.
    if (sqlite3_get_autocommit(db_) != 0 && sqlite3_next_stmt(db_, nullptr) == nullptr) {
        HandlePool::Instance().Give(key_, password_, HandlePool::Handle{db_, file_});
    } else {
        sqlite3_close_v2(db_);
    }
}

void Connection::Execute(std::string_view sql) {
    Statement statement(*this, sql);
    while (statement.Step()) {
    }
}

void Connection::Fail(std::string_view sql) const {
    throw DatabaseError(std::string(sqlite3_errmsg(db_)) + " (statement: " + std::string(sql) +
                        "; file '" + file_.string() + "')");
}

void ReleaseIdleConnections() {
    HandlePool::Instance().CloseAll();
}

}  // namespace xuehai
