// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace xuehai {

// The few values the screens hand to one another.

// The player who logged in; the key of every player-record and statistics query.
extern std::string CurrentUserName;

// Inputs of the progress report: whose report, and the game folder its files lie in.
extern std::string ReportPlayerName;
extern std::string ReportFolder;

// The desktop size found at start-up, before the display was switched; restored on exit.
extern std::int32_t SavedScreenWidth;
extern std::int32_t SavedScreenHeight;

}  // namespace xuehai
