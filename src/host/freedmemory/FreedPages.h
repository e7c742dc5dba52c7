// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// Hands the whole pages of freed small blocks back to the system a moment after a screen
// changed what it shows (a level hidden, shown, replaced or closed). The C library keeps
// freed small blocks for the next ones asked for, and gives back only what lies at the top
// of its heap, so what a hidden map let go (its landmarks, its items' paint) would otherwise
// stay counted against the game. Calls in quick succession hand back once; needs an
// application object.
void ReturnFreedPagesSoon();

}  // namespace xuehai
