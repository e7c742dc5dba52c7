// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace xuehai {

// The screen the game's screens are laid out on: the primary display, or the 800 x 600
// picture in its middle where the game scales that picture into a larger display.
QRect GameScreenGeometry();

// Sizes a screen to the game's screen size and centres it on the primary display, so it
// covers the display when the game runs full-screen and sits in the middle in a window.
void CoverScreen(QWidget& screen, QSize screenSize);

// Centres a window of its own size on the game's screen. Where the game plays in windows the
// player resizes, the first call hands the window over to them (before it is shown) and it
// opens where the player left the last one, if they moved or resized one.
void CentreOnScreen(QWidget& window);

}  // namespace xuehai
