// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// Every block of 128 KiB or more the game asks for (a screen's picture, a movie's, a tile of
// the painted map) comes from the system on its own and goes back to it the moment it is
// freed. By default the C library starts doing so from 128 KiB but raises that bound to the
// size of each such block freed, up to 32 MiB, so once the title's pictures went, the next
// screens' pictures were carved from its heap, and the memory of those freed later stayed
// with the game. Called first thing, before any picture exists.
void ReturnLargeBlocksAtOnce();

}  // namespace xuehai
