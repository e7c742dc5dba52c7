// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/FlatSpeedButton.h"

#include <QPainter>

namespace xuehai {

FlatSpeedButton::FlatSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void FlatSpeedButton::paintEvent(QPaintEvent*) {
    if (!underMouse() && !isDown()) {
        return;
    }
    QPainter painter(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor topLeft = isDown() ? dark : light;
    const QColor bottomRight = isDown() ? light : dark;
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(topLeft);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

}  // namespace xuehai
