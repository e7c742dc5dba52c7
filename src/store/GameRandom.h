// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace xuehai {

// The game's one random generator, shared by the question draw and the character-test
// type draw: a 32-bit linear congruential seed, re-seeded from the UTC time of day.
extern std::uint32_t RandSeed;

// RandSeed := ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
void Randomize();

// Milliseconds since midnight, UTC. Tests put a clock of their own in the system clock's
// place to make draws repeatable; an empty function puts the system clock back.
using TimeOfDayClock = std::function<std::uint32_t()>;
void SetTimeOfDayClock(TimeOfDayClock clock);

// RandSeed := RandSeed * 134775813 + 1; answers the upper 32 bits of range * RandSeed,
// a number from 0 to range - 1 (0 when range is 0).
std::uint32_t Random(std::uint32_t range);

}  // namespace xuehai
