// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// Keeps the calling thread, and every thread it starts from now on, on the processor core it
// runs on.
// Qt's raster engine splits each large fill of the software renderer (a background, a tall
// bamboo stalk) into pieces for a pool of threads; handing those pieces to another core and
// back every frame costs more than the drawing they share, so the movies use less of the
// machine drawn on one core. Returns the core, or -1 where the system keeps no such choice
// (the game then runs as before).
int KeepDrawingOnOneCore();

}  // namespace xuehai
