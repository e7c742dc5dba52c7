// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <chrono>

#include "host/services/AudioBackend.h"

namespace xuehai {

// Plays tracks through Qt Multimedia.
class QtAudioBackend : public AudioBackend {
public:
    // How long Load waits for a track to be ready before giving up on it.
    static constexpr std::chrono::milliseconds kLoadTimeout{3000};

    QtAudioBackend();

    void Load(const std::filesystem::path& file) override;
    void Unload() override;
    void Play() override;
    void Pause() override;
    void SetMuted(bool muted) override;

private:
    // Spins a local event loop, user input excluded, until the media is ready or failed.
    void WaitUntilLoaded();

    QAudioOutput output_;
    QMediaPlayer player_;
    bool loading_ = false;
    QString loadError_;
};

}  // namespace xuehai
