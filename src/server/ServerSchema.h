// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/DatabaseFiles.h"

namespace xuehai {

class ServerLink;

// One database of a class or a school holds every game file of a game folder. Each game
// file gets a schema of its own holding the tables of its kind, so the game's statements
// run on it unchanged with the search path set to that schema, and the rows of one bank
// never mix with another's. The schema "xuehai" lists the game files (gamefile) and the
// subjects of the game folder's list files (subject: position, code, name).
inline constexpr const char* RegistrySchema = "xuehai";

// A game file on the server.
struct ServerFile {
    std::string key;   // the path inside the game folder, '/' and lower case: "data/qut004/004.dat"
    std::string path;  // the same path as the game folder spells it: "Data/Qut004/004.dat"
    DatabaseKind kind = DatabaseKind::QuestionBank;
    std::string schema;  // the schema holding its tables
    std::string password;
};

// The key of a path as the game writes it (backslashes, any letter case, the program
// folder in front or not). Throws PathError for ".." and for absolute paths outside the
// game folder, as for files.
std::string GameFileKey(const std::string& gamePath, const std::string& programFolder);

// Makes the list of game files when the database has none yet.
void CreateRegistry(ServerLink& link);

// The game file of key, or nothing when the server holds none (also when the database has
// no list at all).
std::optional<ServerFile> FindServerFile(ServerLink& link, const std::string& key);

// Every game file on the server, ordered by key.
std::vector<ServerFile> ListServerFiles(ServerLink& link);

// Adds a new, empty game file of kind at path (game folder spelling, '/' separated): its
// schema, tables, counter defaults and keys, with the game's password. Inside the caller's
// transaction. Throws DatabaseError when the key is taken.
ServerFile CreateServerFile(ServerLink& link, const std::string& path, DatabaseKind kind);

// The tables of a kind, as the game names them (a character test's CQTitle holds its title
// for the tools; the game never reads it).
std::vector<std::string> TablesOf(DatabaseKind kind);

// "PlayerRecords", "QuestionBank", "Questionnaire" and back.
std::string KindName(DatabaseKind kind);
std::optional<DatabaseKind> KindNamed(const std::string& name);

}  // namespace xuehai
