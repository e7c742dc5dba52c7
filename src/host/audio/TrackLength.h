// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>

namespace xuehai {

// How long the sound file plays, read by GStreamer's discoverer: the file is demuxed and its
// first frames decoded, no audio device is opened. Throws MediaError naming the file when it
// cannot be played or holds no sound.
std::chrono::milliseconds TrackLength(const std::filesystem::path& file);

}  // namespace xuehai
