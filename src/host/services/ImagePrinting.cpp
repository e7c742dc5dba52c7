// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/ImagePrinting.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/Errors.h"

namespace xuehai {

QRect PrintedImageRect(QSize imageSize, int sourceDpi, int pageDpiX, int pageDpiY) {
    auto scaled = [&](int length, int pageDpi) {
        return int(qint64(length) * pageDpi / sourceDpi);
    };
    return QRect(0, 0, scaled(imageSize.width(), pageDpiX), scaled(imageSize.height(), pageDpiY));
}

QRect PrintedImageRect(const QImage& image, int sourceDpi, int pageDpiX, int pageDpiY) {
    return PrintedImageRect(image.deviceIndependentSize().toSize(), sourceDpi, pageDpiX, pageDpiY);
}

void PrintImageOn(QPrinter& printer, const QImage& image, int sourceDpi) {
    if (sourceDpi <= 0) {
        throw Error("Cannot print a picture of " + std::to_string(sourceDpi) + " dots per inch");
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw Error("The printer '" + printer.printerName().toStdString() +
                    "' could not start printing");
    }
    painter.drawImage(
        PrintedImageRect(image, sourceDpi, printer.logicalDpiX(), printer.logicalDpiY()), image);
    if (!painter.end()) {
        throw Error("The printer '" + printer.printerName().toStdString() +
                    "' could not finish printing");
    }
}

void PrintImageOnDefaultPrinter(const QImage& image, int sourceDpi) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        throw Error("No printer is set up: choose a default printer in the system settings");
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintImageOn(printer, image, sourceDpi);
}

}  // namespace xuehai
