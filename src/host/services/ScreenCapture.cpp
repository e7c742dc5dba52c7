// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/ScreenCapture.h"

#include <QPixmap>
#include <QWidget>

#include "host/Platform.h"

namespace xuehai {

QImage CaptureScreenOrWindow(Platform& platform, const QRect& rect, QWidget& window) {
    QImage captured = platform.CaptureScreen(rect);
    if (!captured.isNull()) {
        return captured;
    }
    const QRect inWindow = rect.translated(-window.mapToGlobal(QPoint(0, 0)));
    return window.grab(inWindow).toImage();
}

}  // namespace xuehai
