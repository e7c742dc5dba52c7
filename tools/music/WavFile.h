// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "LoopRenderer.h"

namespace xuehai::music {

// Writes 16-bit stereo PCM at kSampleRate; false when the file cannot be written.
bool WriteWav(const std::filesystem::path& path, const StereoSamples& samples);

}  // namespace xuehai::music
