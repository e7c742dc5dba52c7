// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QQuickItem>
#include <QSizeF>

#include "host/MovieControl.h"

namespace xuehai {

// Where the stage lies in the control: stage point p is shown at (p.x * scaleX + offsetX,
// p.y * scaleY + offsetY).
struct StageMapping {
    qreal scaleX = 1;
    qreal scaleY = 1;
    qreal offsetX = 0;
    qreal offsetY = 0;

    QPointF ToView(QPointF stagePoint) const {
        return {stagePoint.x() * scaleX + offsetX, stagePoint.y() * scaleY + offsetY};
    }
};

// ExactFit stretches, NoBorder covers the view evenly (and crops), ShowAll fits it evenly;
// the evenly scaled stage is centred. An empty stage or view is shown unscaled.
StageMapping MapStage(QSizeF stage, QSizeF view, ScaleMode mode);

// Applies a mapping to the stage item, so drawing and pointer input follow it alike.
class StageTransform : public QQuickTransform {
    Q_OBJECT
public:
    using QQuickTransform::QQuickTransform;

    void Set(const StageMapping& mapping);
    void applyTo(QMatrix4x4* matrix) const override;

private:
    StageMapping mapping_;
};

}  // namespace xuehai
