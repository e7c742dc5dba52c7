// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace xuehai {

// The game's one random generator, shared by the question draw and the character-test
// type draw: a 32-bit linear congruential seed, re-seeded from the UTC time of day.
extern std::uint32_t RandSeed;

// RandSeed := ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
void Randomize();

// RandSeed := RandSeed * 134775813 + 1; answers the upper 32 bits of range * RandSeed,
// a number from 0 to range - 1 (0 when range is 0).
std::uint32_t Random(std::uint32_t range);

}  // namespace xuehai
