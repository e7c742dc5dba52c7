// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace xuehai {

// A share (1 = all) as whole percent: the product share × 100 goes to the nearest integer,
// a half to the even neighbour, so 0.125 gives 12, 0.375 gives 38 and 0.9975 gives 100.
int WholePercent(double share);

// The percentage as the report writes it, "38%".
std::string PercentText(int percent);

}  // namespace xuehai
