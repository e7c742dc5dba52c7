// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Platform.h"

namespace xuehai {

// What start-up knew of the desktop, beyond its size: its full mode and whether the game
// switched away from it. The login screen's "exit" uses it to give the player their
// desktop back when the 85 Hz restore is refused.
namespace DesktopMode {

void Remember(Platform& platform);
void SetSwitched(bool switched);
// Whether start-up switched the display away from the desktop's mode (and it is not back).
bool Switched();

// Called after the exit's own restore request answered `restored`: when that failed and
// start-up had switched, asks once more for the saved mode at its own refresh rate.
void RestoreIfStillSwitched(Platform& platform, bool restored);

// Gives the desktop its own mode back, once, where start-up had switched away from it.
void RestoreIfSwitched(Platform& platform);

}  // namespace DesktopMode

}  // namespace xuehai
