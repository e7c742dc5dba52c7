// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopRenderer.h"

#include <algorithm>
#include <cmath>

#include "Instruments.h"

namespace xuehai::music {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kPeak = 0.85f;
constexpr double kSeamFadeSeconds = 0.012;
constexpr double kEchoWet = 0.3;

std::size_t At(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

void AddVoice(const Score& score, const Voice& voice, std::uint32_t& seed, StereoSamples& mix) {
    const std::size_t loop = mix.left.size();
    const double angle = (voice.pan + 1.0) * kPi / 4.0;
    const auto left = static_cast<float>(voice.volume * std::cos(angle) * std::sqrt(2.0));
    const auto right = static_cast<float>(voice.volume * std::sin(angle) * std::sqrt(2.0));
    for (const Note& note : voice.notes) {
        // A breath between notes keeps repeated notes apart.
        const double held = note.length * score.StepSeconds() - 0.02;
        const std::vector<float> sound = RenderNote(voice.instrument, note.keys, held, seed);
        const std::size_t start = At(note.step * score.StepSeconds());
        for (std::size_t i = 0; i < sound.size(); ++i) {
            const std::size_t at = (start + i) % loop;
            mix.left[at] += left * sound[i];
            mix.right[at] += right * sound[i];
        }
    }
}

// out[i] = dry[i] + feedback * out[i - delay], around the circle: each pass settles the
// echoes one more round, and after a few the rest is far below hearing.
void AddEcho(std::vector<float>& channel, std::size_t delay, double feedback) {
    const std::size_t loop = channel.size();
    const std::vector<float> dry = channel;
    std::vector<float> wet(loop, 0.0f);
    for (int pass = 0; pass < 8; ++pass) {
        for (std::size_t i = 0; i < loop; ++i) {
            const std::size_t from = (i + loop - delay % loop) % loop;
            wet[i] = static_cast<float>(feedback * (dry[from] + wet[from]));
        }
    }
    for (std::size_t i = 0; i < loop; ++i) {
        channel[i] = dry[i] + static_cast<float>(kEchoWet) * wet[i];
    }
}

void Normalise(StereoSamples& mix) {
    float peak = 1e-6f;
    for (const auto* channel : {&mix.left, &mix.right}) {
        for (float s : *channel) {
            peak = std::max(peak, std::fabs(s));
        }
    }
    for (auto* channel : {&mix.left, &mix.right}) {
        for (float& s : *channel) {
            s *= kPeak / peak;
        }
    }
}

void FadeSeam(StereoSamples& mix) {
    const std::size_t length = std::min(At(kSeamFadeSeconds), mix.left.size() / 2);
    for (std::size_t i = 0; i < length; ++i) {
        const auto gain =
            static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / length));
        for (auto* channel : {&mix.left, &mix.right}) {
            (*channel)[i] *= gain;
            (*channel)[channel->size() - 1 - i] *= gain;
        }
    }
}

}  // namespace

StereoSamples RenderLoop(const Score& score) {
    const std::size_t loop = std::max<std::size_t>(1, At(score.Seconds()));
    StereoSamples mix{std::vector<float>(loop, 0.0f), std::vector<float>(loop, 0.0f)};
    std::uint32_t seed = 20240601u;
    for (const Voice& voice : score.voices) {
        AddVoice(score, voice, seed, mix);
    }
    if (score.echoSteps > 0) {
        const std::size_t delay = At(score.echoSteps * score.StepSeconds());
        // The right side echoes a little later, which widens the sound.
        AddEcho(mix.left, delay, score.echoFeedback);
        AddEcho(mix.right, delay + At(0.011), score.echoFeedback);
    }
    Normalise(mix);
    FadeSeam(mix);
    return mix;
}

}  // namespace xuehai::music
