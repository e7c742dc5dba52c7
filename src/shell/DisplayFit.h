// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWindow>
#include <memory>

namespace xuehai {

// Called once start-up has tried the switch to 800 x 600, before the first window shows.
// Where the display kept another size, the game gets an 800 x 600 screen of its own, scaled
// evenly into the display over a backdrop, which is returned and must outlive the screens.
// A window opens at a size comfortable on the display, and the player may resize it. Where the
// switch happened, or the display is 800 x 600, nothing changes.
std::unique_ptr<QWindow> FitScreensToDisplay(bool windowed, bool switched);

}  // namespace xuehai
