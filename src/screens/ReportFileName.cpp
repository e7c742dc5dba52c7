// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ReportFileName.h"

#include <string_view>

#include "screens/TFrmPrint.h"

namespace xuehai {

namespace {

// Characters of the name kept at most; a Chinese name of this length is well inside the
// 255 bytes a file name may take.
constexpr int kMostNameCharacters = 40;

// The folder separator, the characters other systems reserve, and what cannot be seen.
bool Unsafe(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return std::u32string_view(U"/\\:*?\"<>|").find(c) != std::u32string_view::npos ||
           category == QChar::Other_Control || category == QChar::Other_Format;
}

QString SafeName(const QString& playerName) {
    QString safe;
    int kept = 0;
    for (const char32_t c : playerName.toUcs4()) {
        if (kept == kMostNameCharacters) {
            break;
        }
        safe += Unsafe(c) ? QString(QLatin1Char('_')) : QString::fromUcs4(&c, 1);
        ++kept;
    }
    // A leading dot hides the file; spaces at either end are easily lost when the name is
    // typed again.
    while (safe.startsWith(QLatin1Char('.')) || safe.startsWith(QLatin1Char(' '))) {
        safe.remove(0, 1);
    }
    return safe.trimmed();
}

}  // namespace

QString ReportFileName(const QString& playerName, QDate day) {
    QString name = SafeName(playerName);
    if (name.isEmpty()) {
        name = QString::fromUtf8(TFrmPrint::kDefaultPlayerName);
    }
    return name % QLatin1Char('-') % day.toString(Qt::ISODate) % QStringLiteral(".bmp");
}

}  // namespace xuehai
