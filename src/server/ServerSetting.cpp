// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerSetting.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "ServerErrors.h"

namespace xuehai {

namespace {

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// The options of a connection string that libpq accepts; throws when it does not.
std::map<std::string, std::string> ParseConnInfo(const std::string& connInfo,
                                                 const std::string& origin) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(connInfo.c_str(), &error);
    if (options == nullptr) {
        std::string why = error != nullptr ? Trim(error) : "内存不足";
        PQfreemem(error);
        throw ServerUnreachableError("服务器设置（" + origin +
                                     "）写得不对。请按“host=服务器地址 dbname=数据库名”的样子"
                                     "改好。\n\nlibpq: " +
                                     why);
    }
    std::map<std::string, std::string> set;
    for (const PQconninfoOption* option = options; option->keyword != nullptr; ++option) {
        if (option->val != nullptr && option->val[0] != '\0') {
            set.emplace(option->keyword, option->val);
        }
    }
    PQconninfoFree(options);
    return set;
}

}  // namespace

std::vector<std::filesystem::path> ConfigFolders(const std::filesystem::path& gameFolder) {
    std::vector<std::filesystem::path> folders{gameFolder};
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        folders.push_back(std::filesystem::path(config) / "xuehai");
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folders.push_back(std::filesystem::path(home) / ".config" / "xuehai");
    }
    folders.emplace_back("/etc/xuehai");
    return folders;
}

std::string ServerConnInfo(const std::string& value, const std::string& origin) {
    const bool isConnInfo = value.find('=') != std::string::npos ||
                            value.starts_with("postgresql://") || value.starts_with("postgres://");
    const std::string connInfo = isConnInfo ? value : "service=" + value;
    if (ParseConnInfo(connInfo, origin).contains("password")) {
        throw ServerUnreachableError(
            "服务器设置（" + origin +
            "）里写了密码。为了不让学生看到，密码不能写在这里：请把它删掉，改写进这台电脑的 "
            "~/.pgpass 密码文件或 pg_service.conf 服务文件。");
    }
    return connInfo;
}

std::optional<ServerSetting> FindServerSetting(const std::vector<std::filesystem::path>& folders) {
    if (const char* variable = std::getenv("XUEHAI_SERVER"); variable != nullptr) {
        const std::string value = Trim(variable);
        if (value.empty()) {
            return std::nullopt;
        }
        return ServerSetting{ServerConnInfo(value, "XUEHAI_SERVER"), "XUEHAI_SERVER"};
    }
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path file = folder / ConfigFileName;
        std::ifstream in(file);
        if (!in) {
            continue;
        }
        std::string line;
        while (std::getline(in, line)) {
            const std::string text = Trim(line);
            const std::size_t equals = text.find('=');
            if (text.empty() || text[0] == '#' || text[0] == ';' || equals == std::string::npos ||
                Lower(Trim(text.substr(0, equals))) != "server") {
                continue;
            }
            const std::string value = Trim(text.substr(equals + 1));
            if (value.empty()) {
                return std::nullopt;
            }
            return ServerSetting{ServerConnInfo(value, file.string()), file.string()};
        }
    }
    return std::nullopt;
}

std::string DescribeServer(const std::string& connInfo) {
    std::map<std::string, std::string> set;
    try {
        set = ParseConnInfo(connInfo, "");
    } catch (const ServerUnreachableError&) {
        return connInfo;
    }
    const auto get = [&](const char* key) {
        const auto it = set.find(key);
        return it == set.end() ? std::string() : it->second;
    };
    if (!get("service").empty() && get("host").empty() && get("hostaddr").empty()) {
        return "服务 " + get("service");
    }
    std::string host = get("host").empty() ? get("hostaddr") : get("host");
    if (host.empty()) {
        host = "本机";
    }
    std::string name = host;
    if (!get("port").empty()) {
        name += ":" + get("port");
    }
    if (!get("dbname").empty()) {
        name += "/" + get("dbname");
    }
    return name;
}

}  // namespace xuehai
