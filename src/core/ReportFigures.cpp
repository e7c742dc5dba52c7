// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReportFigures.h"

#include <cmath>

namespace xuehai {

int WholePercent(double share) {
    const double product = share * 100.0;
    const double below = std::floor(product);
    const double fraction = product - below;
    double nearest = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        nearest = below + 1.0;
    }
    return static_cast<int>(nearest);
}

std::string PercentText(int percent) {
    return std::to_string(percent) + "%";
}

}  // namespace xuehai
