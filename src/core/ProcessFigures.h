// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// How long this process has run, in milliseconds (clock-tick resolution), and its resident
// memory in megabytes; -1 where the system does not tell. For start-up measurements.
double MillisecondsSinceProcessStart();
double ResidentMegabytes();

}  // namespace xuehai
