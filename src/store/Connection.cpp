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
        ThrowEngineFailure(
            db, "cannot configure database file '" + file.string() + "': " + sqlite3_errmsg(db));
    }
}

}  // namespace

Connection::Connection(std::string_view connectionString) {
    ConnectionSettings settings = ParseConnectionString(connectionString);
    if (const std::shared_ptr<Engine> engine = CurrentEngine()) {
        remote_ = engine->Open(settings);
        file_ = remote_->Name();
        return;
    }
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
        throw DatabaseError("database file '" + file_.string() + "' does not exist",
                            FailureKind::Missing);
    }
    if (!S_ISREG(status.st_mode)) {
        throw DatabaseError(
            "'" + file_.string() + "' is not a game database file (it is not a file)",
            FailureKind::Damaged);
    }
    key_ = FileKey{static_cast<std::uint64_t>(status.st_dev),
                   static_cast<std::uint64_t>(status.st_ino)};
}

void Connection::Open() {
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            const FailureKind kind = KindOfEngineFailure(rc, file_);
            throw DatabaseError("cannot open database file '" + file_.string() + "': " +
                                    (db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)) +
                                    CauseOf(kind, file_),
                                kind);
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
    if (remote_ != nullptr) {
        return;
    }
    // A handle in the middle of something is not fit to lend to the next connection.
    if (sqlite3_get_autocommit(db_) != 0 && sqlite3_next_stmt(db_, nullptr) == nullptr) {
        HandlePool::Instance().Give(key_, password_, db_);
    } else {
        sqlite3_close_v2(db_);
    }
}

void Connection::Execute(std::string_view sql) {
    if (remote_ != nullptr) {
        Select(sql);
        return;
    }
    Statement statement(*this, sql);
    while (statement.Step()) {
    }
}

SqlRows Connection::Select(std::string_view sql) {
    if (remote_ != nullptr) {
        RefuseAfterFailure(sql);
        try {
            return remote_->Select(sql);
        } catch (...) {
            if (command_ != nullptr) {
                failed_ = true;
            }
            throw;
        }
    }
    Statement statement(*this, sql);
    sqlite3_stmt* stmt = statement.get();
    const int count = sqlite3_column_count(stmt);
    SqlRows rows;
    for (int i = 0; i < count; ++i) {
        rows.columns.emplace_back(sqlite3_column_name(stmt, i));
    }
    while (statement.Step()) {
        for (int i = 0; i < count; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER:
                    rows.cells.emplace_back(
                        static_cast<std::int64_t>(sqlite3_column_int64(stmt, i)));
                    break;
                case SQLITE_FLOAT:
                    rows.cells.emplace_back(sqlite3_column_double(stmt, i));
                    break;
                case SQLITE_NULL:
                    rows.cells.emplace_back(std::monostate{});
                    break;
                default: {
                    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                    rows.cells.emplace_back(
                        std::string(bytes != nullptr ? bytes : "",
                                    static_cast<std::size_t>(sqlite3_column_bytes(stmt, i))));
                }
            }
        }
        ++rows.rowCount;
    }
    return rows;
}

void Connection::RefuseAfterFailure(std::string_view sql) const {
    if (failed_) {
        throw DatabaseError(
            "'" + std::string(sql) +
            "' was not run: an earlier statement of the command on database file '" +
            file_.string() + "' failed");
    }
}

void Connection::Fail(std::string_view sql) const {
    if (command_ != nullptr) {
        failed_ = true;
    }
    ThrowEngineFailure(db_, std::string(sqlite3_errmsg(db_)) + " (statement: " + std::string(sql) +
                                "; file '" + file_.string() + "')");
}

void Connection::Begin(CommandTransaction& command, bool write) {
    if (command_ != nullptr) {
        throw DatabaseError("database file '" + file_.string() +
                            "' is being changed by another command already");
    }
    if (remote_ != nullptr) {
        remote_->Begin();
    } else {
        // IMMEDIATE takes the write lock now rather than at the first change, so a lock
        // held by another program is met before any file of the command has changed. A
        // reading command takes no lock: its first read fixes what it sees of the file.
        Execute(write ? "BEGIN IMMEDIATE" : "BEGIN");
    }
    command_ = &command;
    writing_ = write;
    failed_ = false;
}

void Connection::Commit() {
    if (remote_ != nullptr) {
        remote_->Commit();
    } else {
        Execute("COMMIT");
    }
    command_ = nullptr;
}

void Connection::RollBack() noexcept {
    if (remote_ != nullptr) {
        remote_->RollBack();
    } else if (sqlite3_get_autocommit(db_) == 0) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    command_ = nullptr;
    failed_ = false;
}

void ReleaseIdleConnections() {
    HandlePool::Instance().CloseAll();
}

}  // namespace xuehai
