// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "store/TuserInfo.h"

namespace xuehai {

// The state the map screen's handlers share besides CurrentUserName.

// The player records of the map screen, kept open for the screen's whole life with
// ActiveUser set to the current player; empty while no map screen has read its player.
extern std::unique_ptr<TuserInfo> UserRecords;

// True: the next music notification restarts the track. False: it is swallowed, because it
// comes from a change of track that a command made. Every notification leaves it true.
extern bool MusicLoop;

// The questionnaire type of the character test in use, from 1; 0 until a test is opened.
extern int TestType;

}  // namespace xuehai
