// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "Engine.h"
#include "HandlePool.h"

struct sqlite3;

namespace xuehai {

class CommandTransaction;

// One open database file of the game. Every statement commits as it runs, unless the
// connection is joined to a CommandTransaction. Several connections to one file may be alive
// at once. While an Engine is in use (see Engine.h), the game's connection strings open its
// databases there instead, with the same statements and the same transactions.
class Connection {
public:
    // Opens the file that the game's connection string names (see ConnectionString.h).
    // The dbq path is resolved inside the game folder (letter case, backslashes). Throws
    // DatabaseError naming the file when it is missing, is no game database or the
    // password is wrong, and PathError when the path leaves the game folder. Never
    // creates a file. With an engine in use, the engine opens the database instead.
    explicit Connection(std::string_view connectionString);

    // Opens a database file by its real path, for tools that work outside a game folder;
    // always the file, whatever engine is in use.
    Connection(const std::filesystem::path& file, std::string_view password);

    // A connection still joined to a command rolls its file back.
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one statement; rows it returns are ignored. Throws DatabaseError with the
    // engine's message, the statement and the file (RecordsLockedError for a lock).
    void Execute(std::string_view sql);
    // Runs one reading statement to its end. Throws as Execute does.
    SqlRows Select(std::string_view sql);

    // The file, or how the engine in use names the database.
    const std::filesystem::path& File() const { return file_; }

    // For Query and Statement: the engine handle, the failure of a statement on it, and
    // whether a statement failed since the connection joined its command (then no further
    // statement runs on it until the command rolls back). Handle is null on another engine.
    sqlite3* Handle() const { return db_; }
    [[noreturn]] void Fail(std::string_view sql) const;
    bool StatementFailed() const { return failed_; }
    // Throws DatabaseError, without running sql, when a statement of the command failed.
    void RefuseAfterFailure(std::string_view sql) const;

private:
    friend class CommandTransaction;
    void Begin(CommandTransaction& command, bool write);
    bool Writing() const { return writing_; }
    void Commit();
    void RollBack() noexcept;

    void Locate();
    void Open();

    FileKey key_;
    std::filesystem::path file_;
    std::string password_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<EngineDatabase> remote_;  // the database on another engine, or null
    CommandTransaction* command_ = nullptr;
    bool writing_ = false;  // joined to command_ to write, not only to read
    // Set by Fail, which reports and so is const; cleared when the command ends.
    mutable bool failed_ = false;
};

// Closes the idle engine handles the store keeps for reuse. Call it before deleting or
// replacing database files while the program runs (tests and tools do).
void ReleaseIdleConnections();

}  // namespace xuehai
