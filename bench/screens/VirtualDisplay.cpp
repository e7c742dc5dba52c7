// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualDisplay.h"

namespace xuehai::bench {

VirtualDisplay::VirtualDisplay(QSize size) {
    // -displayfd 1: the server writes the display number it chose to its standard output
    // once it accepts clients.
    server_.start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
         QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(size.width()).arg(size.height()),
         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000)) {
        return;
    }
    QByteArray number;
    while (!number.contains('\n') && server_.waitForReadyRead(10000)) {
        number += server_.readAllStandardOutput();
    }
    if (number.trimmed().isEmpty()) {
        return;
    }
    name_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
}

VirtualDisplay::~VirtualDisplay() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        server_.waitForFinished(5000);
    }
}

}  // namespace xuehai::bench
