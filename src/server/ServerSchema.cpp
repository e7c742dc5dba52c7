// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerSchema.h"

#include "ServerLink.h"
#include "core/Errors.h"
#include "store/ConnectionString.h"
#include "store/FileIdentity.h"

namespace xuehai {

namespace {

// The tables of each kind, with what the file layout gives them: counters and the score
// start at 0 and a new player's class is 1, because the game inserts rows naming only
// their keys; the keys are those the statements look rows up by. Names are unquoted, so
// the server keeps them in lower case and finds them however a statement spells them;
// the bracketed [User-Question] of the statements arrives as "user-question". The player
// records number their rows as they come, as the file's row ids do, so "ORDER BY rowid"
// lists the players in the order they registered on either engine.
const std::vector<std::string>& Layout(DatabaseKind kind) {
    static const std::vector<std::string> records{
        "CREATE TABLE UserInfo (UserName text NOT NULL PRIMARY KEY, "
        "UserHead integer NOT NULL DEFAULT 0, UserScore integer NOT NULL DEFAULT 0, "
        "UserClass integer NOT NULL DEFAULT 1, UserRight integer NOT NULL DEFAULT 0, "
        "UserWrong integer NOT NULL DEFAULT 0, rowid bigserial NOT NULL UNIQUE)"};
    static const std::vector<std::string> bank{
        "CREATE TABLE Question (QAID integer NOT NULL PRIMARY KEY, QACont text, QAA text, "
        "QAB text, QAC text, QAD text, QARight text, QAFLAG text)",
        "CREATE TABLE UserStats (UserName text NOT NULL PRIMARY KEY, "
        "UserRight integer NOT NULL DEFAULT 0, UserWrong integer NOT NULL DEFAULT 0)",
        "CREATE TABLE \"user-question\" (QuestionID integer NOT NULL, UserName text NOT NULL, "
        "RightCount integer NOT NULL DEFAULT 0, WrongCount integer NOT NULL DEFAULT 0, "
        "PRIMARY KEY (UserName, QuestionID))"};
    static const std::vector<std::string> questionnaire{
        "CREATE TABLE CQType (CQTypeID integer NOT NULL, CQTypeName text)",
        "CREATE TABLE CQCont (CQTypeID integer NOT NULL, CQCont text, CQA text, "
        "CQAScore integer, CQB text, CQBScore integer, CQC text, CQCScore integer)",
        "CREATE INDEX CQContByType ON CQCont (CQTypeID)",
        "CREATE TABLE CQScore (CQTypeID integer NOT NULL, CQScoreLow integer, "
        "CQScoreHigh integer, CQResult text)",
        "CREATE INDEX CQScoreByType ON CQScore (CQTypeID)",
        "CREATE TABLE CQTitle (Title text NOT NULL)"};
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return records;
        case DatabaseKind::QuestionBank:
            return bank;
        case DatabaseKind::Questionnaire:
            break;
    }
    return questionnaire;
}

ServerFile FileOf(const SqlRows& rows, std::size_t row) {
    const auto text = [&](std::size_t column) {
        return std::get<std::string>(rows.cells[row * rows.columns.size() + column]);
    };
    ServerFile file;
    file.key = text(0);
    file.path = text(1);
    file.kind = KindNamed(text(2)).value_or(DatabaseKind::QuestionBank);
    file.schema = text(3);
    file.password = text(4);
    return file;
}

constexpr const char* FileColumns = "key, path, kind, schemaname, password";

bool RegistryExists(ServerLink& link) {
    const SqlRows rows = link.Run("SELECT to_regclass('xuehai.gamefile') IS NOT NULL AS present");
    return std::get<std::int64_t>(rows.cells[0]) != 0;
}

}  // namespace

std::string GameFileKey(const std::string& gamePath, const std::string& programFolder) {
    std::string path = gamePath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (!programFolder.empty() && path.starts_with(programFolder)) {
        path.erase(0, programFolder.size());
    } else if (path.starts_with('/')) {
        throw PathError("'" + gamePath + "' lies outside the game folder");
    }
    std::string key;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        std::string piece = path.substr(start, end - start);
        start = end + 1;
        if (piece.empty() || piece == ".") {
            continue;
        }
        if (piece == "..") {
            throw PathError("'" + gamePath + "' leaves the game folder");
        }
        for (char& c : piece) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        key += (key.empty() ? "" : "/") + piece;
    }
    return key;
}

void CreateRegistry(ServerLink& link) {
    if (RegistryExists(link)) {
        return;
    }
    link.Run("CREATE SCHEMA IF NOT EXISTS xuehai");
    link.Run(
        "CREATE TABLE IF NOT EXISTS xuehai.gamefile (id serial PRIMARY KEY, "
        "key text NOT NULL UNIQUE, path text NOT NULL, kind text NOT NULL, "
        "schemaname text NOT NULL UNIQUE, password text NOT NULL, "
        "schemaversion integer NOT NULL)");
    link.Run(
        "CREATE TABLE IF NOT EXISTS xuehai.subject (position integer PRIMARY KEY, "
        "code text NOT NULL, name text NOT NULL)");
}

std::optional<ServerFile> FindServerFile(ServerLink& link, const std::string& key) {
    if (!RegistryExists(link)) {
        return std::nullopt;
    }
    const SqlRows rows = link.Run(
        std::string("SELECT ") + FileColumns + " FROM xuehai.gamefile WHERE key = $1", {key});
    if (rows.rowCount == 0) {
        return std::nullopt;
    }
    return FileOf(rows, 0);
}

std::vector<ServerFile> ListServerFiles(ServerLink& link) {
    std::vector<ServerFile> files;
    if (!RegistryExists(link)) {
        return files;
    }
    const SqlRows rows =
        link.Run(std::string("SELECT ") + FileColumns + " FROM xuehai.gamefile ORDER BY key");
    for (std::size_t row = 0; row < rows.rowCount; ++row) {
        files.push_back(FileOf(rows, row));
    }
    return files;
}

ServerFile CreateServerFile(ServerLink& link, const std::string& path, DatabaseKind kind) {
    ServerFile file;
    file.key = GameFileKey(path, "");
    file.path = path;
    file.kind = kind;
    file.password = std::string(GamePassword);
    // A readable schema name: its number, then the key's letters and digits.
    std::string readable;
    for (const char c : file.key) {
        readable += ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) ? c : '_';
    }
    const SqlRows id = link.Run("SELECT nextval('xuehai.gamefile_id_seq') AS id");
    const std::string number = std::to_string(std::get<std::int64_t>(id.cells[0]));
    file.schema = ("g" + number + "_" + readable).substr(0, 63);
    link.Run("CREATE SCHEMA \"" + file.schema + "\"");
    for (const std::string& statement : Layout(kind)) {
        link.Run(statement, {}, file.schema);
    }
    link.Run(
        "INSERT INTO xuehai.gamefile (id, key, path, kind, schemaname, password, "
        "schemaversion) VALUES ($1, $2, $3, $4, $5, $6, $7)",
        {number, file.key, file.path, KindName(kind), file.schema, file.password,
         std::to_string(CurrentSchemaVersion)});
    return file;
}

std::vector<std::string> TablesOf(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return {"UserInfo"};
        case DatabaseKind::QuestionBank:
            return {"Question", "UserStats", "User-Question"};
        case DatabaseKind::Questionnaire:
            break;
    }
    return {"CQType", "CQCont", "CQScore", "CQTitle"};
}

std::string KindName(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return "PlayerRecords";
        case DatabaseKind::QuestionBank:
            return "QuestionBank";
        case DatabaseKind::Questionnaire:
            break;
    }
    return "Questionnaire";
}

std::optional<DatabaseKind> KindNamed(const std::string& name) {
    for (const DatabaseKind kind :
         {DatabaseKind::PlayerRecords, DatabaseKind::QuestionBank, DatabaseKind::Questionnaire}) {
        if (KindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

}  // namespace xuehai
