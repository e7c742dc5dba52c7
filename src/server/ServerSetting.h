// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace xuehai {

// Where the game keeps its databases when a computer room shares one server: a libpq
// connection string (or the name of a service in libpq's service file), and where that
// was found, for messages.
struct ServerSetting {
    std::string connInfo;
    std::string origin;  // "XUEHAI_SERVER" or the configuration file's path
};

// The configuration file's name in each folder it is looked for in.
inline constexpr const char* ConfigFileName = "xuehai.conf";

// The folders looked in, first match wins: the game folder, the user's own
// (~/.config/xuehai, or $XDG_CONFIG_HOME/xuehai), then the computer's (/etc/xuehai).
std::vector<std::filesystem::path> ConfigFolders(const std::filesystem::path& gameFolder);

// The server to use: the environment variable XUEHAI_SERVER when it is set, else the first
// "server = ..." line of xuehai.conf in folders. An empty value means the game folder's
// files, and ends the search there, so a home computer can opt out of the school's
// setting. Nothing found: the files, as always. A value that is no connection string, or
// one that carries a password (passwords belong in libpq's password or service file, never
// in the game folder), throws ServerUnreachableError naming where it was written.
std::optional<ServerSetting> FindServerSetting(const std::vector<std::filesystem::path>& folders);

// A value as written after "server =": a connection string or URI as it is, a bare word
// as a service name. Throws ServerUnreachableError as FindServerSetting does.
std::string ServerConnInfo(const std::string& value, const std::string& origin);

// How messages name the server: "host:port/database" or "service NAME", never a password.
std::string DescribeServer(const std::string& connInfo);

}  // namespace xuehai
