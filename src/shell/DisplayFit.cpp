// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DisplayFit.h"

#include <QGuiApplication>
#include <QScreen>

#include "host/scaledwindow/ScaledWindow.h"
#include "host/virtualscreen/ScreenBackdrop.h"
#include "host/virtualscreen/VirtualScreen.h"
#include "host/virtualscreen/VirtualScreenFit.h"

namespace xuehai {

std::unique_ptr<QWindow> FitScreensToDisplay(bool windowed, bool switched) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || switched) {
        return nullptr;
    }
    const QSize size = screen->geometry().size();
    if (windowed) {
        VirtualScreen::ScaleWindows(WindowFactor(size));
        ScaledWindow::Enable();
        return nullptr;
    }
    if (size == kGameScreenSize) {
        return nullptr;
    }
    VirtualScreen::Engage();
    auto backdrop = std::make_unique<ScreenBackdrop>();
    backdrop->show();
    return backdrop;
}

}  // namespace xuehai
