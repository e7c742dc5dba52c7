// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace xuehai {

// The completion figure a movie shows: fraction × factor formed in double, cut toward zero,
// as decimal digits (0.999 × 100 gives "99"). Throws ConversionError for a fraction that is
// not a finite number, which a whole number cannot hold.
std::string CompletionFigure(double fraction, int factor);

}  // namespace xuehai
