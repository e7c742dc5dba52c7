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
    // Only the part being painted is scaled, straight onto the screen's pixels.
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(contentsRect(), picture);
}

}  // namespace xuehai
