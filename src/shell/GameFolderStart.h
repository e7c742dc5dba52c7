// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/CommandLine.h"

namespace xuehai {

class Platform;

// Settles the game folder of this run (see ChooseGameFolder), makes it or brings it up to
// date from the installed data, and points the game at it. False, after telling the player
// why, when there is no folder to play in.
bool OpenGameFolder(Platform& platform, const GameOptions& options);

}  // namespace xuehai
