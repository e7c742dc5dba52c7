// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>

#include "ServerSchema.h"
#include "store/Engine.h"

namespace xuehai {

class ServerLink;
struct ServerSetting;

// The game's databases kept on a PostgreSQL server (see ServerSchema.h for the layout):
// every game file the game opens is the schema of that file, reached through the one
// ServerLink of the program.
class ServerEngine : public Engine {
public:
    // Connects at once; throws ServerUnreachableError naming the server.
    explicit ServerEngine(const std::string& connInfo);
    ~ServerEngine() override;

    std::unique_ptr<EngineDatabase> Open(const ConnectionSettings& settings) override;

    ServerLink& Link() { return *link_; }

private:
    std::shared_ptr<ServerLink> link_;
    std::map<std::string, ServerFile> files_;  // game files looked up before, by key
};

// Reads the server setting for the game folder (see ServerSetting.h) and, when there is
// one, connects and puts the game's databases on that server. Answers whether it did.
// Throws ServerUnreachableError when the setting is wrong or the server does not answer.
bool UseConfiguredServer(const std::string& gameFolder);

}  // namespace xuehai
