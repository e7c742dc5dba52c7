// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/virtualscreen/ScreenBackdrop.h"

#include <QBackingStore>
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

ScreenBackdrop::ScreenBackdrop() {
    setObjectName(QStringLiteral("ScreenBackdrop"));
    setSurfaceType(QSurface::RasterSurface);
    setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
             Qt::WindowDoesNotAcceptFocus);
    setTitle(QStringLiteral("学海"));
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

void ScreenBackdrop::exposeEvent(QExposeEvent*) {
    Paint();
}

void ScreenBackdrop::resizeEvent(QResizeEvent*) {
    Paint();
}

void ScreenBackdrop::Paint() {
    if (!isExposed()) {
        return;
    }
    const QRect area(QPoint(), size());
    QBackingStore surface(this);
    holdsSurface_ = true;
    surface.resize(area.size());
    surface.beginPaint(area);
    {
        QPainter painter(surface.paintDevice());
        painter.fillRect(area, DeepSea(area.height()));
    }
    surface.endPaint();
    surface.flush(area);
    holdsSurface_ = false;
}

}  // namespace xuehai
