// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace xuehai {

// Where a screen laid out at its design size lies in a window of another size: scaled
// evenly to the largest size that fits, centred, the rest of the window left to bars.
class WindowPicture {
public:
    WindowPicture(QSize design, QSize window);

    qreal Scale() const { return scale_; }
    // The whole screen in the window's pixels.
    QRect Area() const;
    // A rectangle of the design in the window's pixels; its edges are rounded one by one,
    // so rectangles that touch in the design still touch.
    QRect Place(const QRect& designed) const;
    // A font of the design at the picture's scale, in the unit it was given in.
    QFont Scaled(const QFont& designed) const;

private:
    QSize design_;
    qreal scale_ = 1;
    QPoint origin_;
};

}  // namespace xuehai
