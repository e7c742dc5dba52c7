// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace xuehai {

// Turns a path as the game writes it into a file of the game folder:
//  - the program folder prefix is taken off; in the rest backslashes separate components;
//  - any other absolute path, any "..", and a path that a symbolic link leads out of the
//    folder throw PathError, so a movie variable can never reach a file outside the game
//    folder;
//  - a bare or relative name is taken inside the game folder, wherever the program was
//    started from;
//  - each component is matched without regard to ASCII letter case when the exact name
//    does not exist ("save\UserInfo.dat" finds "Save/userinfo.dat").
// Components that exist in no spelling are kept as written, so the caller can report the
// missing file by its name.
std::filesystem::path ResolveGamePath(std::string_view gamePath);

}  // namespace xuehai
