// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace xuehai {

// What one start did to a player's game folder.
struct GameFolderUpdate {
    int filesCopied = 0;   // new to the folder, or replaced by the installed version
    int banksUpdated = 0;  // question banks brought up to date, statistics kept
    // Files that could not be brought up to date, each with why; they are tried again at
    // the next start and the game plays with what the folder holds.
    std::vector<std::string> problems;
};

// Makes folder a game folder from the installed data, or brings the copies in it up to
// date after an upgrade:
//  - a file the folder lacks is copied;
//  - a file the installed data ships in another version replaces the folder's copy, except
//    a question bank, which takes the new questions with the rules of a bank rebuild, so
//    every player's statistics of an unchanged question stay;
//  - the player records (Save/) are made once and never replaced;
//  - files the folder holds beyond the installed data are left alone.
// Two starts at once take turns. Throws Error when the folder cannot be made or written.
GameFolderUpdate BringGameFolderUpToDate(const std::filesystem::path& installedData,
                                         const std::filesystem::path& folder);

}  // namespace xuehai
