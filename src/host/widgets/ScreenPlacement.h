// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace xuehai {

// Sizes a screen to the game's screen size and centres it on the primary display, so it
// covers the display when the game runs full-screen and sits in the middle in a window.
void CoverScreen(QWidget& screen, QSize screenSize);

// Centres a window of its own size on the primary display.
void CentreOnScreen(QWidget& window);

}  // namespace xuehai
