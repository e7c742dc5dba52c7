// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace xuehai {

struct GameOptions {
    // Play in 800 x 600 windows and never touch the display mode.
    bool windowed = false;
    // Silence the music; everything else, its notifications included, runs as usual.
    bool mute = false;
};

// Reads the player's flags; --help and --version print and end the process here.
GameOptions ParseCommandLine(const QCoreApplication& app);

}  // namespace xuehai
