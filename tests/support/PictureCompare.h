// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace xuehai::test {

// How many pixels of two pictures of one size differ by more than tolerance, the sum of the
// red, green and blue differences.
int PixelsApart(const QImage& a, const QImage& b, int tolerance);

}  // namespace xuehai::test
