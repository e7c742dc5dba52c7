// SPDX-License-Identifier: GPL-3.0-or-later
#include "StageMapping.h"

#include <QMatrix4x4>
#include <algorithm>

namespace xuehai {

StageMapping MapStage(QSizeF stage, QSizeF view, ScaleMode mode) {
    if (stage.isEmpty() || view.isEmpty()) {
        return {};
    }
    const qreal sx = view.width() / stage.width();
    const qreal sy = view.height() / stage.height();
    if (mode == ScaleMode::ExactFit) {
        return {sx, sy, 0, 0};
    }
    const qreal scale = mode == ScaleMode::NoBorder ? std::max(sx, sy) : std::min(sx, sy);
    return {scale, scale, (view.width() - stage.width() * scale) / 2,
            (view.height() - stage.height() * scale) / 2};
}

void StageTransform::Set(const StageMapping& mapping) {
    mapping_ = mapping;
    update();
}

void StageTransform::applyTo(QMatrix4x4* matrix) const {
    matrix->translate(float(mapping_.offsetX), float(mapping_.offsetY));
    matrix->scale(float(mapping_.scaleX), float(mapping_.scaleY));
}

}  // namespace xuehai
