// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverroom/ServerPlayerFiles.h"

#include "server/ServerEngine.h"
#include "serverroom/ServerSubjects.h"
#include "serverroom/ServerTransfer.h"

namespace xuehai::bank {

classroom::PlayerFiles ServerPlayerFiles(std::shared_ptr<ServerEngine> engine,
                                         std::filesystem::path backups) {
    ServerEngine* server = engine.get();
    return {std::move(engine), [server] { return ReadServerSubjects(server->Link()); },
            std::move(backups),
            [server](const std::string& gamePath, DatabaseKind kind,
                     const std::filesystem::path& copy) {
                CopyFileFromServer(server->Link(), gamePath, kind, copy);
            }};
}

}  // namespace xuehai::bank
