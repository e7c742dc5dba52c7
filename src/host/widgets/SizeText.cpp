// SPDX-License-Identifier: GPL-3.0-or-later
#include "SizeText.h"

#include <QStringList>

namespace xuehai {

std::optional<QSize> ParseSizeText(const QString& text) {
    const QStringList wh = text.split(QLatin1Char('x'));
    if (wh.size() != 2) {
        return std::nullopt;
    }
    bool widthOk = false;
    bool heightOk = false;
    const int width = wh[0].toInt(&widthOk);
    const int height = wh[1].toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return QSize(width, height);
}

}  // namespace xuehai
