// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/virtualscreen/VirtualScreenFit.h"

#include <algorithm>
#include <cmath>

namespace xuehai {

namespace {
// A window may take two thirds of the screen before it stops growing.
constexpr qreal kWindowShare = 1.5;

qreal FitOf(QSizeF screen) {
    return std::min(screen.width() / kGameScreenSize.width(),
                    screen.height() / kGameScreenSize.height());
}
}  // namespace

qreal FullScreenFactor(QSizeF screen) {
    if (screen.isEmpty()) {
        return 1;
    }
    return FitOf(screen);
}

qreal WindowFactor(QSizeF screen) {
    if (screen.isEmpty()) {
        return 1;
    }
    const qreal halfSteps = std::floor(2 * FitOf(screen) / kWindowShare);
    return std::max<qreal>(1, halfSteps / 2);
}

QRect PictureArea(QSizeF screen, qreal factor) {
    const QSizeF scaled = screen / factor;
    const int left = static_cast<int>(std::lround((scaled.width() - kGameScreenSize.width()) / 2));
    const int top = static_cast<int>(std::lround((scaled.height() - kGameScreenSize.height()) / 2));
    return {QPoint(left, top), kGameScreenSize};
}

}  // namespace xuehai
