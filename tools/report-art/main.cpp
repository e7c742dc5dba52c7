// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <cstdio>

#include "ReportArt.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: xuehai-report-art <picture.png>\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!PaintReportBackground().save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
