// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeskFont.h"

#include <QApplication>
#include <QFontDatabase>

namespace xuehai::teacher {

void UseChineseFace() {
    const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& face :
         {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
          QStringLiteral("Droid Sans Fallback")}) {
        if (installed.contains(face)) {
            QFont font = QApplication::font();
            font.setFamilies({face});
            QApplication::setFont(font);
            return;
        }
    }
}

}  // namespace xuehai::teacher
