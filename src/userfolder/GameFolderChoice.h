// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace xuehai {

// What decides where a run keeps its game folder.
struct GameFolderInputs {
    // The folder of the running program (a build tree's game/, or /usr/games).
    std::filesystem::path programFolder;
    // Where an installed copy keeps its read-only data; need not exist.
    std::filesystem::path installedData;
    // --data DIR, when given.
    std::optional<std::filesystem::path> chosenFolder;
    // $XDG_DATA_HOME and $HOME as the environment has them (empty when unset).
    std::string xdgDataHome;
    std::string home;
};

// The game folder of this run, and the installed data it is made from and kept up to date
// with (empty: the folder is played as it is).
struct GameFolderPlace {
    std::filesystem::path folder;
    std::filesystem::path installedData;
};

// A folder made from the installed data carries this file; only such folders are updated.
inline constexpr const char* kInstalledCopiesFile = ".installed";

// $XDG_DATA_HOME/xuehai, or ~/.local/share/xuehai; nothing when neither base is an
// absolute path (relative values are ignored, as the base directory rules say).
std::optional<std::filesystem::path> PerUserGameFolder(const std::string& xdgDataHome,
                                                       const std::string& home);
// The same from this process's environment.
std::optional<std::filesystem::path> PerUserGameFolder();

// - --data DIR plays on DIR; a DIR that is missing, empty or was made by the game earlier is
//   made or kept up to date from the installed data.
// - An installed game (its data folder exists) plays in $XDG_DATA_HOME/xuehai, or
//   ~/.local/share/xuehai, made on the first start.
// - Otherwise the program's own folder is the game folder, as in a build tree.
// Throws Error when an installed game has no home folder to keep its saves in.
GameFolderPlace ChooseGameFolder(const GameFolderInputs& inputs);

// The usual inputs of this process: the environment, and installedData relative to the
// program folder.
GameFolderInputs ProcessGameFolderInputs(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& installedDataRelative,
                                         std::optional<std::filesystem::path> chosenFolder);

}  // namespace xuehai
