// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace xuehai {

namespace {
QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}
}  // namespace

void CoverScreen(QWidget& screen, QSize screenSize) {
    screen.resize(screenSize);
    CentreOnScreen(screen);
}

void CentreOnScreen(QWidget& window) {
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(PrimaryGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace xuehai
