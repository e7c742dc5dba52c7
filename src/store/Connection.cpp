// SPDX-License-Identifier: GPL-3.0-or-later
#include "Connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include "CommandTransaction.h"
#include "ConnectionString.h"
#include "EngineFailure.h"
#include "FileIdentity.h"
#include "LockWait.h"
#include "SqlDialect.h"
#include "Statement.h"
#include "core/Errors.h"
#include "core/GamePath.h"

namespace xuehai {

namespace {

void Configure(sqlite3* db, const std::filesystem::path& file) {
    sqlite3_extended_result_codes(db, 0);
    InstallLockWait(db);
    RegisterDialectFunctions(db);
    // Not stored in the file, so every handle sets it: in WAL mode a crash of the game
    // loses nothing committed and a power cut at worst the latest answers, never the file.
    if (sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr) != SQLITE_OK) {
        ThrowEngineFailure(db, "cannot configure database file '" + file.string() +
                                   "': " + sqlite3_errmsg(db));
    }
}

}  // namespace

Connection::Connection(std::string_view connectionString) {
    ConnectionSettings settings = ParseConnectionString(connectionString);
    password_ = std::move(settings.password);
    file_ = ResolveGamePath(settings.database);
    Locate();
    db_ = HandlePool::Instance().Take(key_, password_);
    if (db_ == nullptr) {
        Open();
    }
}

Connection::Connection(const std::filesystem::path& file, std::string_view password)
    : file_(std::filesystem::absolute(file).lexically_normal()), password_(password) {
    Locate();
    db_ = HandlePool::Instance().Take(key_, password_);
    if (db_ == nullptr) {
        Open();
    }
}

void Connection::Locate() {
    struct stat status {};
    if (::stat(file_.c_str(), &status) != 0) {
        throw DatabaseError("database file '" + file_.string() + "' does not exist");
    }
    if (!S_ISREG(status.st_mode)) {
        throw DatabaseError("'" + file_.string() +
                            "' is not a game database file (it is not a file)");
    }
    key_ = FileKey{static_cast<std::uint64_t>(status.st_dev),
                   static_cast<std::uint64_t>(status.st_ino)};
}

void Connection::Open() {
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            throw DatabaseError("cannot open database file '" + file_.string() + "': " +
                                (db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)));
        }
        // The wait for locks first: another program's exclusive lock would refuse the
        // identity read at once.
        Configure(db_, file_);
        CheckFileIdentity(db_, file_, password_);
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

Connection::~Connection() {
    if (command_ != nullptr) {
        command_->Forget(*this);
        RollBack();
    }
    // A handle in the middle of something is not fit to lend to the next connection.
    if (sqlite3_get_autocommit(db_) != 0 && sqlite3_next_stmt(db_, nullptr) == nullptr) {
        HandlePool::Instance().Give(key_, password_, db_);
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
    if (command_ != nullptr) {
        failed_ = true;
    }
    ThrowEngineFailure(db_, std::string(sqlite3_errmsg(db_)) + " (statement: " + std::string(sql) +
                                "; file '" + file_.string() + "')");
}

void Connection::Begin(CommandTransaction& command) {
    if (command_ != nullptr) {
        throw DatabaseError("database file '" + file_.string() +
                            "' is being changed by another command already");
    }
    // IMMEDIATE takes the write lock now rather than at the first change, so a lock held by
    // another program is met before any file of the command has changed.
    Execute("BEGIN IMMEDIATE");
    command_ = &command;
    failed_ = false;
}

void Connection::Commit() {
    Execute("COMMIT");
    command_ = nullptr;
}

void Connection::RollBack() noexcept {
    if (sqlite3_get_autocommit(db_) == 0) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    command_ = nullptr;
    failed_ = false;
}

void ReleaseIdleConnections() {
    HandlePool::Instance().CloseAll();
}

}  // namespace xuehai
