// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QEvent;
class QPaintEvent;
class QQuickWidget;

namespace xuehai {

// Brings what Qt Quick's software renderer drew into a movie control onto the window in whole
// screen pixels. On a scaled picture (the 800 x 600 screens at 1.8 on a 1920 x 1080 display)
// Qt 6.4 hands each changed rect to the window with fractional screen edges, then copies and
// flushes only the screen pixels those edges cover by half or more: the row or column a
// moving bubble's edge partly covered stays on the screen, and the bubble leaves dashes of
// itself behind. These two steps close the gap, and do nothing (returning false) where the
// control is not drawn by the software renderer or its picture is not scaled by a fraction.

// After the control handled event (a new frame may have been drawn): the window repaints a
// pixel more around every rect the frame changed.
bool WidenPictureUpdate(QQuickWidget& control, const QEvent& event);

// In the control's paint event, instead of Qt's own copy: each rect to repaint is copied from
// the drawn picture grown to the whole screen pixels it touches.
bool CopyPictureInWholePixels(QQuickWidget& control, const QPaintEvent& event);

}  // namespace xuehai
