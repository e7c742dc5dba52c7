// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/virtualscreen/ScreenBackdrop.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace xuehai {

QLinearGradient DeepSea(int height) {
    QLinearGradient sea(0, 0, 0, height);
    sea.setColorAt(0, QColor(0x0d, 0x47, 0xa1));
    sea.setColorAt(1, QColor(0x06, 0x24, 0x55));
    return sea;
}

ScreenBackdrop::ScreenBackdrop()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("ScreenBackdrop"));
    setWindowTitle(QStringLiteral("学海"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    CoverPrimaryScreen();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::geometryChanged, this, &ScreenBackdrop::CoverPrimaryScreen);
    }
}

void ScreenBackdrop::CoverPrimaryScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
}

void ScreenBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), DeepSea(height()));
}

}  // namespace xuehai
