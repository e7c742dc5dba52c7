// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "classroom/PlayerAdmin.h"

namespace xuehai {
class ServerEngine;
}

namespace xuehai::bank {

// The class on the server for PlayerAdmin: its statements go to the server, the subjects
// are those the server keeps, and each file a change is about to touch is first written
// from the server, as of one moment, into a game file below backups.
classroom::PlayerFiles ServerPlayerFiles(std::shared_ptr<ServerEngine> engine,
                                         std::filesystem::path backups);

}  // namespace xuehai::bank
