// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/StretchedPicture.h"

#include <QPaintEvent>
#include <QPainter>

namespace xuehai {

StretchedPicture::StretchedPicture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
}

void StretchedPicture::paintEvent(QPaintEvent* event) {
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    // Scaled the way the label scales it, to the pixels of the screen, then shown pixel for
    // pixel.
    const QRect area = contentsRect();
    QImage scaled = picture.toImage().scaled(area.size() * devicePixelRatio(),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio());
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(area.topLeft(), scaled);
}

}  // namespace xuehai
