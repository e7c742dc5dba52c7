// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

class QPaintEvent;
class QQuickWidget;

namespace xuehai {

// The few screen pixels of a movie control still in sight while a modal screen covers the
// rest of it (the edge of the map above the report): kept as a still picture, so that the
// control may let its picture of the whole movie go until it is uncovered.
class PictureGlimpse {
public:
    // Copies the screen pixels `part` of the control touches from what Qt Quick's software
    // renderer drew; false, keeping nothing, where it drew no picture to copy from.
    bool Take(QQuickWidget& control, const QRect& part);
    void Clear() { pixels_ = QImage(); }
    bool Empty() const { return pixels_.isNull(); }
    // Paints the still picture in its place, and nothing around it: the rest is covered.
    void Paint(QQuickWidget& control, const QPaintEvent& event) const;

private:
    QImage pixels_;
    // Where the pixels go, in the control's units.
    QRectF place_;
};

}  // namespace xuehai
