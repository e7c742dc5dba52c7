// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRandom.h"

#include <chrono>

namespace xuehai {

std::uint32_t RandSeed = 0;

namespace {

std::uint32_t SystemTimeOfDay() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    // The system clock counts UTC days of exactly 86,400 seconds.
    return static_cast<std::uint32_t>(sinceEpoch.count() % (24LL * 60 * 60 * 1000));
}

TimeOfDayClock& Clock() {
    static TimeOfDayClock clock;
    return clock;
}

}  // namespace

void SetTimeOfDayClock(TimeOfDayClock clock) {
    Clock() = std::move(clock);
}

void Randomize() {
    RandSeed = Clock() ? Clock()() : SystemTimeOfDay();
}

std::uint32_t Random(std::uint32_t range) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(range) * RandSeed) >> 32);
}

}  // namespace xuehai
