// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xuehai::music {

inline constexpr int kSampleRate = 44100;

// The instruments a voice may name: bell, mallet, pluck, flute, pad, brass, chip, bass and
// drums.
bool IsInstrument(const std::string& name);

// One note (or chord, or drum hit) as mono samples from its start, its ringing after the
// held time included. Every sound starts and ends at silence, so nothing clicks. The noise
// behind the drums comes from a fixed seed: a score always renders to the same samples.
std::vector<float> RenderNote(const std::string& instrument, const std::vector<int>& keys,
                              double heldSeconds, std::uint32_t& noiseSeed);

}  // namespace xuehai::music
