// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

class QWidget;

namespace xuehai {

class Platform;

// The screen rectangle as shown now; where the platform cannot capture the screen (Wayland,
// offscreen), the part of window under the rectangle, drawn afresh.
QImage CaptureScreenOrWindow(Platform& platform, const QRect& rect, QWidget& window);

}  // namespace xuehai
