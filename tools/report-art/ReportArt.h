// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The progress report's background: 638 x 509, 24 bits per pixel, a parchment sheet in a
// carved frame, the table's paper on the left, artwork on the right, and the captions of the
// report's three flat buttons (print, save as, exit) painted where the buttons lie.
QImage PaintReportBackground();
