// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "Score.h"

namespace xuehai::music {

struct StereoSamples {
    std::vector<float> left;
    std::vector<float> right;
};

// Plays a score into exactly one loop of samples at kSampleRate. The loop is treated as a
// circle: what still rings at the end (a long note, the echo) sounds again over the start,
// as it does when the game plays the track again. The result peaks at 0.85, and a few
// milliseconds at either end are faded so a player that leaves a gap between two plays
// does not click.
StereoSamples RenderLoop(const Score& score);

}  // namespace xuehai::music
