// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSizeF>
#include <optional>

namespace xuehai::VirtualScreen {

// Scales every window of the game, its fonts, controls, movies and input alike, by `factor`
// on top of what the desktop already asks for. Called once, before the first window is
// shown.
void ScaleWindows(qreal factor);

// Lays the game out on an 800 x 600 screen of its own: everything is scaled evenly so that
// picture fills as much of the primary screen as fits, centred.
void Engage();

// Where that picture lies on the primary screen, in the scaled pixels the windows use;
// nothing while the game runs on the real screen.
std::optional<QRect> Picture();

}  // namespace xuehai::VirtualScreen
