// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QSizeF>

namespace xuehai {

// Every screen of the game is laid out for a display of this size.
inline constexpr QSize kGameScreenSize{800, 600};

// The even factor that makes the 800 x 600 picture as large as fits a screen of this size
// (both in the same pixels); 1 for an empty screen.
qreal FullScreenFactor(QSizeF screen);

// The factor a window opens at: the picture grows in half steps while it still leaves the
// desktop around it (a third of the screen at least), and never shrinks below its design
// size. 800 x 600 on 1920 x 1080, 1600 x 1200 on 3840 x 2160.
qreal WindowFactor(QSizeF screen);

// Where the 800 x 600 picture lies, centred, on that screen once all of it is scaled by
// `factor`, in the scaled pixels; whole pixels, rounded to the nearest.
QRect PictureArea(QSizeF screen, qreal factor);

}  // namespace xuehai
