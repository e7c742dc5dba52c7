// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace xuehai {

// Every database file of the game is opened with this one connection string, followed at
// once by "dbq=" and the file's full path.
inline constexpr std::string_view ConnectionPrefix =
    "driver={Microsoft Access Driver (*.mdb)};PWD=plumorchardsky;";

// The password all the game's files share; CreateDatabaseFile writes it into new files.
inline constexpr std::string_view GamePassword = "plumorchardsky";

// The parts of a connection string the store uses.
struct ConnectionSettings {
    std::string driver;
    std::string password;
    std::string database;  // the dbq path exactly as written (game spelling, backslashes)
};

// ConnectionPrefix + "dbq=" + path.
std::string MakeConnectionString(std::string_view path);

// Splits "key=value;..." into its parts. Keys ignore letter case; a value in braces may hold
// ';'; dbq is the last part and takes the rest of the text, so a path may hold any character.
// Throws DatabaseError when dbq is missing or the driver is not the game's.
ConnectionSettings ParseConnectionString(std::string_view text);

}  // namespace xuehai
