// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen/CompletionFigure.h"

#include <cmath>

#include "core/Errors.h"

namespace xuehai {

std::string CompletionFigure(double fraction, int factor) {
    const double product = fraction * factor;
    // Casting a value beyond the integer's range is undefined, so it is refused instead.
    constexpr double kLimit = 9.2e18;
    if (!std::isfinite(product) || std::fabs(product) >= kLimit) {
        throw ConversionError("Invalid completion figure " + std::to_string(fraction));
    }
    return std::to_string(static_cast<long long>(product));
}

}  // namespace xuehai
