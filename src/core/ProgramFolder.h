// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace xuehai {

// The game folder: the folder of the running executable, written with a trailing '/'.
// Screens append the game's own relative paths to it ("Data\Qut004\004.dat").
std::string ProgramFolder();

// Points the game at another folder; tests and tools lay out a game folder of their own.
void SetProgramFolder(const std::filesystem::path& folder);

}  // namespace xuehai
