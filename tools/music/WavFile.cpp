// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

#include "Instruments.h"

namespace xuehai::music {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

bool WriteWav(const std::filesystem::path& path, const StereoSamples& samples) {
    const auto frames = static_cast<std::uint32_t>(samples.left.size());
    const std::uint32_t dataBytes = frames * 4;
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, 2, 2);  // channels
    Put(out, kSampleRate, 4);
    Put(out, kSampleRate * 4, 4);
    Put(out, 4, 2);
    Put(out, 16, 2);
    out += "data";
    Put(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        for (float s : {samples.left[i], samples.right[i]}) {
            const auto value =
                static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
            Put(out, static_cast<std::uint16_t>(value), 2);
        }
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}

}  // namespace xuehai::music
