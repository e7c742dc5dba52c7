// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCompare.h"

#include <QColor>
#include <QImage>
#include <cstdlib>

namespace xuehai::test {

int PixelsApart(const QImage& a, const QImage& b, int tolerance) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            const int difference = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                                   std::abs(p.blue() - q.blue());
            if (difference > tolerance) {
                ++apart;
            }
        }
    }
    return apart;
}

}  // namespace xuehai::test
