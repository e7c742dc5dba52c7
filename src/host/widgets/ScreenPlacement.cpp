// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "host/scaledwindow/ScaledWindow.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {

QRect GameScreenGeometry() {
    if (const std::optional<QRect> picture = VirtualScreen::Picture()) {
        return *picture;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

void CoverScreen(QWidget& screen, QSize screenSize) {
    screen.resize(screenSize);
    CentreOnScreen(screen);
}

void CentreOnScreen(QWidget& window) {
    if (ScaledWindow::Adopt(window) == ScaledWindow::Placement::Keep) {
        return;
    }
    // The picture itself is centred; a window system's frame goes around it.
    QRect picture(QPoint(0, 0), window.size());
    picture.moveCenter(GameScreenGeometry().center());
    window.setGeometry(picture);
}

}  // namespace xuehai
