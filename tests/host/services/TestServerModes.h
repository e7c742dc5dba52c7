// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// Gives the X server's first output one more mode; the test server offers only the size it
// was started with. False when the server cannot be reached.
bool AddTestServerMode(unsigned width, unsigned height, double refreshRate);

}  // namespace xuehai
