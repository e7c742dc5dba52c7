// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>

#include "host/audio/AudioBackend.h"

namespace xuehai {

// Plays tracks through Qt Multimedia on the default audio device. Load hands the file to the
// engine and returns; what the engine finds wrong with it comes later, through OnFailed.
class QtAudioBackend : public AudioBackend {
public:
    QtAudioBackend();

    void Load(const std::filesystem::path& file) override;
    void Unload() override;
    void Play() override;
    void Pause() override;

private:
    void StatusChanged(QMediaPlayer::MediaStatus status);
    // Reports the current track's first failure once the engine's signal has returned.
    void Fail(const QString& reason);

    QAudioOutput output_;
    QMediaPlayer player_;
    std::filesystem::path file_;
    // Counts the tracks loaded and dropped, so a failure report still queued for a track
    // that is gone is not taken for the present one's.
    unsigned track_ = 0;
    bool failed_ = false;
};

}  // namespace xuehai
