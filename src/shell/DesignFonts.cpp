// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DesignFonts.h"

#include <QFont>
#include <QStringList>

namespace xuehai {

void InstallDesignFonts() {
    const QString sans = QStringLiteral("Noto Sans CJK SC");
    const QString kai = QStringLiteral("AR PL UKai CN");
    const QString ming = QStringLiteral("AR PL UMing CN");
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), {kai, sans});
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), {ming, kai, sans});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {sans});
    QFont::insertSubstitutions(QStringLiteral("Terminal"),
                               {QStringLiteral("Noto Sans Mono CJK SC"), sans});
}

}  // namespace xuehai
