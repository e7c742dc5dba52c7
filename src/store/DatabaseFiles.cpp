// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFiles.h"

#include <sqlite3.h>

#include <string>

#include "ConnectionString.h"
#include "FileIdentity.h"
#include "core/Errors.h"

namespace xuehai {

namespace {

// Counters and the score start at 0 because the game inserts rows naming only the key
// columns and then adds to the counters in place. A new player's class is 1, the class of
// a score of 0. The unique indexes hold the keys the statements look rows up by; the
// answers of one player to each question are stored together, ordered by player, so the
// completion count reads one player's rows in one stretch however many players there are.
constexpr const char* PlayerRecordsSchema = R"(
CREATE TABLE UserInfo (
    UserName  TEXT    NOT NULL,
    UserHead  INTEGER NOT NULL DEFAULT 0,
    UserScore INTEGER NOT NULL DEFAULT 0,
    UserClass INTEGER NOT NULL DEFAULT 1,
    UserRight INTEGER NOT NULL DEFAULT 0,
    UserWrong INTEGER NOT NULL DEFAULT 0);
CREATE UNIQUE INDEX UserInfoByName ON UserInfo(UserName);
)";

constexpr const char* QuestionBankSchema = R"(
CREATE TABLE Question (
    QAID    INTEGER NOT NULL,
    QACont  TEXT,
    QAA     TEXT,
    QAB     TEXT,
    QAC     TEXT,
    QAD     TEXT,
    QARight TEXT,
    QAFLAG  TEXT);
CREATE UNIQUE INDEX QuestionByID ON Question(QAID);
CREATE TABLE UserStats (
    UserName  TEXT    NOT NULL,
    UserRight INTEGER NOT NULL DEFAULT 0,
    UserWrong INTEGER NOT NULL DEFAULT 0);
CREATE UNIQUE INDEX UserStatsByName ON UserStats(UserName);
CREATE TABLE [User-Question] (
    QuestionID INTEGER NOT NULL,
    UserName   TEXT    NOT NULL,
    RightCount INTEGER NOT NULL DEFAULT 0,
    WrongCount INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (UserName, QuestionID)) WITHOUT ROWID;
)";

constexpr const char* QuestionnaireSchema = R"(
CREATE TABLE CQType (
    CQTypeID   INTEGER NOT NULL,
    CQTypeName TEXT);
CREATE TABLE CQCont (
    CQTypeID INTEGER NOT NULL,
    CQCont   TEXT,
    CQA      TEXT,
    CQAScore INTEGER,
    CQB      TEXT,
    CQBScore INTEGER,
    CQC      TEXT,
    CQCScore INTEGER);
CREATE INDEX CQContByType ON CQCont(CQTypeID);
CREATE TABLE CQScore (
    CQTypeID    INTEGER NOT NULL,
    CQScoreLow  INTEGER,
    CQScoreHigh INTEGER,
    CQResult    TEXT);
CREATE INDEX CQScoreByType ON CQScore(CQTypeID);
)";

struct KindLayout {
    const char* name;
    const char* schema;
};

KindLayout LayoutOf(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return {"PlayerRecords", PlayerRecordsSchema};
        case DatabaseKind::QuestionBank:
            return {"QuestionBank", QuestionBankSchema};
        case DatabaseKind::Questionnaire:
            return {"Questionnaire", QuestionnaireSchema};
    }
    throw DatabaseError("unknown kind of database file");
}

void Run(sqlite3* db, const std::string& sql, const std::filesystem::path& path) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw DatabaseError("cannot create database file '" + path.string() + "': " + message);
    }
}

void RemoveFileAndJournal(const std::filesystem::path& path) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::filesystem::remove(path.string() + suffix, ignored);
    }
}

}  // namespace

void CreateDatabaseFile(const std::filesystem::path& path, DatabaseKind kind) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) || ec) {
        throw DatabaseError("cannot create database file '" + path.string() +
                            "': it exists already");
    }
    const KindLayout layout = LayoutOf(kind);
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            throw DatabaseError("cannot create database file '" + path.string() +
                                "': " + (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        }
        // WAL is a property of the file and stays with it: readers never block the
        // writer, and a crash cannot leave the file half written.
        Run(db, "PRAGMA journal_mode=WAL", path);
        Run(db,
            "BEGIN;" + std::string(layout.schema) + "CREATE TABLE " + std::string(IdentityTable) +
                " (Kind TEXT NOT NULL, Password TEXT NOT NULL, SchemaVersion INTEGER NOT NULL);"
                "INSERT INTO " +
                std::string(IdentityTable) + " VALUES('" + layout.name + "', '" +
                std::string(GamePassword) + "', " + std::to_string(CurrentSchemaVersion) +
                ");COMMIT;",
            path);
    } catch (...) {
        sqlite3_close_v2(db);
        RemoveFileAndJournal(path);
        throw;
    }
    sqlite3_close_v2(db);
}

}  // namespace xuehai
