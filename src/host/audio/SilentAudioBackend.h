// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <chrono>

#include "host/audio/AudioBackend.h"

namespace xuehai {

// Plays tracks without a sound (--mute): no audio device or sound server is touched. Load
// learns the track's length from the file; playing runs a clock over it, so the track ends,
// and is reported ended, when it would have with sound.
class SilentAudioBackend : public AudioBackend {
public:
    SilentAudioBackend();

    void Load(const std::filesystem::path& file) override;
    void Unload() override;
    void Play() override;
    void Pause() override;

private:
    std::chrono::milliseconds Position() const;

    std::chrono::milliseconds length_{0};
    // Where the last pause left the track; while playing, where this play began.
    std::chrono::milliseconds from_{0};
    QElapsedTimer playing_;
    QTimer end_;
};

}  // namespace xuehai
