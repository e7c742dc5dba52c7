// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

class QPrinter;

namespace xuehai {

// Where an image of sourceDpi lands on a page of the given resolution: at the top left,
// each side scaled by the page's dots per inch over the source's.
QRect PrintedImageRect(QSize imageSize, int sourceDpi, int pageDpiX, int pageDpiY);
// The same for a picture taken from scaled screens: its size counts in the screens' own
// pixels, and the extra pixels only make the print sharper.
QRect PrintedImageRect(const QImage& image, int sourceDpi, int pageDpiX, int pageDpiY);

// Prints the image as one page; throws Error when the printer cannot start or sourceDpi is
// not positive.
void PrintImageOn(QPrinter& printer, const QImage& image, int sourceDpi);

// Prints the image as one page on the default printer, without a dialog; throws Error when
// no printer is set up.
void PrintImageOnDefaultPrinter(const QImage& image, int sourceDpi);

}  // namespace xuehai
