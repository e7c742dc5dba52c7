// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/scaledwindow/WindowPicture.h"

#include <algorithm>
#include <cmath>

namespace xuehai {

namespace {
int Rounded(qreal value) {
    return static_cast<int>(std::lround(value));
}
}  // namespace

WindowPicture::WindowPicture(QSize design, QSize window) : design_(design) {
    if (design.isEmpty() || window.isEmpty()) {
        return;
    }
    scale_ =
        std::min(qreal(window.width()) / design.width(), qreal(window.height()) / design.height());
    origin_ = QPoint(Rounded((window.width() - design.width() * scale_) / 2),
                     Rounded((window.height() - design.height() * scale_) / 2));
}

QRect WindowPicture::Area() const {
    return Place(QRect(QPoint(0, 0), design_));
}

QRect WindowPicture::Place(const QRect& designed) const {
    const int left = Rounded(designed.x() * scale_);
    const int top = Rounded(designed.y() * scale_);
    const int right = Rounded((designed.x() + designed.width()) * scale_);
    const int bottom = Rounded((designed.y() + designed.height()) * scale_);
    return QRect(origin_ + QPoint(left, top), QSize(right - left, bottom - top));
}

QFont WindowPicture::Scaled(const QFont& designed) const {
    QFont font = designed;
    if (designed.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Rounded(designed.pixelSize() * scale_)));
    } else if (designed.pointSizeF() > 0) {
        font.setPointSizeF(designed.pointSizeF() * scale_);
    }
    return font;
}

}  // namespace xuehai
