// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/PictureGlimpse.h"

#include <QtQuickWidgets/private/qquickwidget_p.h>

#include <QPaintEvent>
#include <QPainter>
#include <QQuickWidget>

namespace xuehai {

bool PictureGlimpse::Take(QQuickWidget& control, const QRect& part) {
    Clear();
    const QQuickWidgetPrivate* quick = QQuickWidgetPrivate::get(&control);
    if (!quick->useSoftwareRenderer || quick->softwareImage.isNull() || part.isEmpty()) {
        return false;
    }
    const qreal ratio = quick->softwareImage.devicePixelRatio();
    const QRect screen =
        QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio)
            .toAlignedRect()
            .intersected(quick->softwareImage.rect());
    if (screen.isEmpty()) {
        return false;
    }
    pixels_ = quick->softwareImage.copy(screen);
    pixels_.setDevicePixelRatio(ratio);
    place_ = QRectF(screen.x() / ratio, screen.y() / ratio, screen.width() / ratio,
                    screen.height() / ratio);
    return true;
}

void PictureGlimpse::Paint(QQuickWidget& control, const QPaintEvent& event) const {
    QPainter painter(&control);
    painter.setClipRegion(event.region());
    painter.drawImage(place_, pixels_);
}

}  // namespace xuehai
