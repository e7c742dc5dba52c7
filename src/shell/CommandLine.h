// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

class QCoreApplication;

namespace xuehai {

struct GameOptions {
    // Play in 800 x 600 windows and never touch the display mode.
    bool windowed = false;
    // No music and no sound device; everything else, the music's notifications included,
    // runs as usual.
    bool mute = false;
    // --data DIR: play on this game folder (a class's folder) instead of the usual one.
    std::optional<std::filesystem::path> dataFolder;
};

// Reads the player's flags; --help and --version print and end the process here.
GameOptions ParseCommandLine(const QCoreApplication& app);

}  // namespace xuehai
