// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/PictureCopy.h"

#include <QtQuickWidgets/private/qquickwidget_p.h>

#include <QPaintEvent>
#include <QPainter>
#include <QQuickWidget>

namespace xuehai {

namespace {

QQuickWidgetPrivate* ScaledSoftwarePicture(QQuickWidget& control) {
    QQuickWidgetPrivate* quick = QQuickWidgetPrivate::get(&control);
    const qreal ratio = control.devicePixelRatioF();
    if (!quick->useSoftwareRenderer || quick->softwareImage.isNull() ||
        qFuzzyCompare(ratio, qreal(qRound(ratio)))) {
        return nullptr;
    }
    return quick;
}

}  // namespace

bool WidenPictureUpdate(QQuickWidget& control, const QEvent& event) {
    if (event.type() != QEvent::Timer && event.type() != QEvent::UpdateRequest) {
        return false;
    }
    QQuickWidgetPrivate* quick = ScaledSoftwarePicture(control);
    if (quick == nullptr || quick->updateRegion.isEmpty()) {
        return false;
    }
    QRegion wider;
    for (const QRect& rect : quick->updateRegion) {
        wider += rect.adjusted(-1, -1, 1, 1);
    }
    control.update(wider & control.rect());
    return true;
}

bool CopyPictureInWholePixels(QQuickWidget& control, const QPaintEvent& event) {
    QQuickWidgetPrivate* quick = ScaledSoftwarePicture(control);
    if (quick == nullptr) {
        return false;
    }
    // The renderer's own account of what changed is in the event's region already.
    quick->updateRegion = QRegion();
    const qreal ratio = control.devicePixelRatioF();
    QPainter painter(&control);
    for (const QRect& rect : event.region()) {
        // The screen pixels the rect touches, and the same pixels in the control's units.
        const QRect screen =
            QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
                .toAlignedRect()
                .intersected(quick->softwareImage.rect());
        const QRectF target(screen.x() / ratio, screen.y() / ratio, screen.width() / ratio,
                            screen.height() / ratio);
        painter.drawImage(target, quick->softwareImage, screen);
    }
    return true;
}

}  // namespace xuehai
