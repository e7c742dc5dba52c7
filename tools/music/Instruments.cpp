// SPDX-License-Identifier: GPL-3.0-or-later
#include "Instruments.h"

#include <algorithm>
#include <cmath>

#include "Score.h"

namespace xuehai::music {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStep = 1.0 / kSampleRate;

double Frequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate);
}

// Rises over attack, holds, then falls over release once the note is let go; the curve is
// a raised cosine at both ends.
double Envelope(double t, double attack, double held, double release) {
    if (t < attack) {
        return 0.5 - 0.5 * std::cos(kPi * t / attack);
    }
    if (t < held) {
        return 1.0;
    }
    if (t < held + release) {
        return 0.5 + 0.5 * std::cos(kPi * (t - held) / release);
    }
    return 0.0;
}

// A band-limited step for sawtooth and square waves (PolyBLEP), so high notes do not fold
// back into harsh tones.
double Blep(double phase, double increment) {
    if (phase < increment) {
        double x = phase / increment;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - increment) {
        double x = (phase - 1.0) / increment;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double Saw(double phase, double increment) {
    return 2.0 * phase - 1.0 - Blep(phase, increment);
}

double Square(double phase, double increment, double duty) {
    double shifted = std::fmod(phase + 1.0 - duty, 1.0);
    return (phase < duty ? 1.0 : -1.0) + Blep(phase, increment) - Blep(shifted, increment);
}

float Noise(std::uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(seed >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

// Partials of struck metal or wood: each a multiple of the key's frequency with its own
// loudness and decay time.
struct Partial {
    double ratio;
    double level;
    double decay;
};

std::vector<float> Struck(double f, double held, const std::vector<Partial>& partials,
                          double ring) {
    const double length = held + ring;
    std::vector<float> out(Samples(length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        double v = 0.0;
        for (const Partial& p : partials) {
            if (f * p.ratio < kSampleRate / 2.2) {
                v += p.level * std::exp(-t / p.decay) * std::sin(2.0 * kPi * f * p.ratio * t);
            }
        }
        out[i] = static_cast<float>(v * Envelope(t, 0.004, length - 0.05, 0.05));
    }
    return out;
}

std::vector<float> Bell(double f, double held) {
    return Struck(f, held, {{1.0, 1.0, 1.2}, {2.0, 0.35, 0.6}, {3.0, 0.12, 0.3}, {4.2, 0.05, 0.15}},
                  1.2);
}

std::vector<float> Mallet(double f, double held) {
    return Struck(f, held, {{1.0, 1.0, 0.45}, {4.0, 0.25, 0.08}, {10.0, 0.06, 0.02}}, 0.5);
}

// A plucked string (Karplus-Strong): a burst of noise circulating in a delay line of one
// period, softened a little on every round; damped quickly once let go.
std::vector<float> Pluck(double f, double held, std::uint32_t& seed) {
    const double release = 0.25;
    std::vector<float> out(Samples(held + release));
    std::vector<float> line(std::max<std::size_t>(2, static_cast<std::size_t>(kSampleRate / f)));
    for (float& s : line) {
        s = Noise(seed);
    }
    // A softened burst gives a harp's round pluck rather than a harpsichord's snap.
    for (int pass = 0; pass < 2; ++pass) {
        float before = line.back();
        for (std::size_t i = 0; i < line.size(); ++i) {
            const float after = line[(i + 1) % line.size()];
            const float current = line[i];
            line[i] = 0.25f * before + 0.5f * current + 0.25f * after;
            before = current;
        }
    }
    float previous = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const std::size_t at = i % line.size();
        const float current = line[at];
        const float damping = t < held ? 0.996f : 0.95f;
        line[at] = damping * 0.5f * (current + previous);
        previous = current;
        out[i] = static_cast<float>(current * Envelope(t, 0.002, held, release));
    }
    return out;
}

std::vector<float> Flute(double f, double held, std::uint32_t& seed) {
    const double release = 0.12;
    std::vector<float> out(Samples(held + release));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const double vibrato = 1.0 + 0.004 * std::min(1.0, t / 0.4) * std::sin(2.0 * kPi * 5.0 * t);
        phase += f * vibrato * kStep;
        const double v =
            std::sin(2.0 * kPi * phase) + 0.12 * std::sin(4.0 * kPi * phase) + 0.02 * Noise(seed);
        out[i] = static_cast<float>(v * Envelope(t, 0.06, held, release));
    }
    return out;
}

// Three slightly detuned saws through a gentle low-pass: a soft string-like bed for chords.
std::vector<float> Pad(double f, double held) {
    const double release = 0.5;
    std::vector<float> out(Samples(held + release));
    const double detune[] = {0.996, 1.0, 1.004};
    double phases[] = {0.0, 0.33, 0.66};
    double low = 0.0;
    const double smoothing = 1.0 - std::exp(-2.0 * kPi * 1100.0 * kStep);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        double v = 0.0;
        for (int k = 0; k < 3; ++k) {
            const double increment = f * detune[k] * kStep;
            v += Saw(phases[k], increment) / 3.0;
            phases[k] = std::fmod(phases[k] + increment, 1.0);
        }
        low += smoothing * (v - low);
        out[i] = static_cast<float>(low * Envelope(t, std::min(0.25, held), held, release));
    }
    return out;
}

// A saw whose two-pole low-pass opens as the note starts, like a horn's bite.
std::vector<float> Brass(double f, double held) {
    const double release = 0.1;
    std::vector<float> out(Samples(held + release));
    double phase = 0.0;
    double low = 0.0;
    double lower = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const double increment = f * kStep;
        const double cutoff = f * (2.5 + 3.0 * std::min(1.0, t / 0.06) * std::exp(-t / 0.5));
        const double smoothing = 1.0 - std::exp(-2.0 * kPi * std::min(cutoff, 6000.0) * kStep);
        low += smoothing * (Saw(phase, increment) - low);
        lower += smoothing * (low - lower);
        phase = std::fmod(phase + increment, 1.0);
        out[i] = static_cast<float>(1.4 * lower * Envelope(t, 0.03, held, release));
    }
    return out;
}

std::vector<float> Chip(double f, double held) {
    const double release = 0.06;
    std::vector<float> out(Samples(held + release));
    double phase = 0.0;
    double low = 0.0;
    double lower = 0.0;
    const double smoothing = 1.0 - std::exp(-2.0 * kPi * 4000.0 * kStep);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const double vibrato = 1.0 + (t > 0.2 ? 0.006 * std::sin(2.0 * kPi * 6.0 * t) : 0.0);
        const double increment = f * vibrato * kStep;
        low += smoothing * (Square(phase, increment, 0.25) - low);
        lower += smoothing * (low - lower);
        phase = std::fmod(phase + increment, 1.0);
        out[i] = static_cast<float>(0.7 * lower * Envelope(t, 0.005, held, release));
    }
    return out;
}

std::vector<float> Bass(double f, double held) {
    const double release = 0.08;
    std::vector<float> out(Samples(held + release));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const double w = 2.0 * kPi * f * t;
        const double body = 0.6 + 0.4 * std::exp(-t / 0.3);
        const double v = std::sin(w) + 0.35 * std::sin(2.0 * w) * std::exp(-t / 0.15) +
                         0.1 * std::sin(3.0 * w) * std::exp(-t / 0.08);
        out[i] = static_cast<float>(v * body * Envelope(t, 0.006, held, release));
    }
    return out;
}

std::vector<float> Drum(int sound, std::uint32_t& seed) {
    const double lengths[] = {0.0, 0.35, 0.22, 0.06, 0.3, 1.4};
    std::vector<float> out(Samples(lengths[sound]));
    double phase = 0.0;
    float high = 0.0f;
    float last = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) * kStep;
        const float n = Noise(seed);
        // A first-difference high-pass keeps cymbals bright and out of the bass.
        high = n - last;
        last = n;
        double v = 0.0;
        switch (sound) {
            case kKick:
                phase += (48.0 + 110.0 * std::exp(-t / 0.03)) * kStep;
                v = std::sin(2.0 * kPi * phase) * std::exp(-t / 0.12);
                break;
            case kSnare:
                phase += 185.0 * kStep;
                v = 0.5 * std::sin(2.0 * kPi * phase) * std::exp(-t / 0.05) +
                    0.6 * n * std::exp(-t / 0.07);
                break;
            case kHat:
                v = 0.5 * high * std::exp(-t / 0.015);
                break;
            case kOpenHat:
                v = 0.45 * high * std::exp(-t / 0.09);
                break;
            case kCrash:
                v = 0.4 * (0.6 * high + 0.4 * n) * std::exp(-t / 0.5);
                break;
            default:
                break;
        }
        out[i] = static_cast<float>(v * Envelope(t, 0.001, lengths[sound] - 0.02, 0.02));
    }
    return out;
}

}  // namespace

bool IsInstrument(const std::string& name) {
    static const char* kNames[] = {"bell",  "mallet", "pluck", "flute", "pad",
                                   "brass", "chip",   "bass",  "drums"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

std::vector<float> RenderNote(const std::string& instrument, const std::vector<int>& keys,
                              double heldSeconds, std::uint32_t& noiseSeed) {
    std::vector<float> mix;
    for (int key : keys) {
        std::vector<float> one;
        const double f = Frequency(key);
        if (instrument == "drums") {
            one = Drum(key, noiseSeed);
        } else if (instrument == "bell") {
            one = Bell(f, heldSeconds);
        } else if (instrument == "mallet") {
            one = Mallet(f, heldSeconds);
        } else if (instrument == "pluck") {
            one = Pluck(f, heldSeconds, noiseSeed);
        } else if (instrument == "flute") {
            one = Flute(f, heldSeconds, noiseSeed);
        } else if (instrument == "pad") {
            one = Pad(f, heldSeconds);
        } else if (instrument == "brass") {
            one = Brass(f, heldSeconds);
        } else if (instrument == "chip") {
            one = Chip(f, heldSeconds);
        } else {
            one = Bass(f, heldSeconds);
        }
        mix.resize(std::max(mix.size(), one.size()), 0.0f);
        for (std::size_t i = 0; i < one.size(); ++i) {
            mix[i] += one[i];
        }
    }
    // A chord is as loud as about one note and a half, not as loud as all its notes.
    const float scale = keys.size() > 1 ? 1.5f / static_cast<float>(keys.size()) : 1.0f;
    for (float& s : mix) {
        s *= scale;
    }
    return mix;
}

}  // namespace xuehai::music
