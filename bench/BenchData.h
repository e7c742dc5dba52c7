// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace xuehai::bench {

// A game folder filled as after a long school year: the player records and sixteen
// subject banks (the report reads them all), each with the answer statistics of every
// player.
struct Scenario {
    std::string label;  // "400 questions, 1000 players"
    int questions = 0;
    std::filesystem::path folder;    // the game folder, without trailing slash
    std::string gameFolder;          // the same with '/', as the screens prefix paths
    std::vector<std::string> banks;  // relative bank paths as the screens write them
    std::string player;              // whose completion the rollover and the report show
    std::string answering;           // who answers in "right", so player's figures stay put
};

// The subject codes in the progress report's row order.
extern const std::vector<std::string> ReportSubjects;

// Builds the scenario below root (which must exist); questions per bank, players in the
// records and in every bank's statistics, each having answered answeredPerPlayer questions.
Scenario BuildScenario(const std::filesystem::path& root, const std::string& label, int questions,
                       int players, int answeredPerPlayer);

}  // namespace xuehai::bench
