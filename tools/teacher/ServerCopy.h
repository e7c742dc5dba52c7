// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "classroom/ClassOverview.h"
#include "classroom/PlayerAdmin.h"

namespace xuehai {
class ServerEngine;
}

namespace xuehai::teacher {

// On a computer room's server the pages read the banks and character tests from a working
// copy of the server's game files in a local folder, as they read a game folder; what
// the teacher saves goes to the server, in one transaction, and the copy is read again
// from it. The class page and the players' list read the server itself.

// The server the teacher works on from now on; nullptr goes back to game folders.
void WorkOnServer(std::shared_ptr<ServerEngine> engine);
// The server in use, or nullptr while the teacher works on a game folder.
std::shared_ptr<ServerEngine> WorkingServer();

// Writes every game file of the server, and its subjects as the list files AliginA.cfg and
// AliginB.cfg, into a new folder below the system's temporary folder, and answers it.
// Throws ToolError or DatabaseError saying what is wrong.
std::filesystem::path CopyServer(ServerEngine& server);

// The path of a file of the working copy as the game folder spells it
// ("Data/Qut001/001.dat"), the working copy being the program folder.
std::string GamePathOf(const std::filesystem::path& file);

// The class where the teacher works: the server in use, else the game folder.
std::unique_ptr<classroom::ClassSource> ClassAt(const std::filesystem::path& folder);

// Changes to players where the teacher works. On the server the copies made before each
// change go to the teacher's own folder ($XDG_DATA_HOME or ~/.local/share)/xuehai/备份/.
classroom::PlayerAdmin PlayerAdminAt(const std::filesystem::path& folder);

}  // namespace xuehai::teacher
