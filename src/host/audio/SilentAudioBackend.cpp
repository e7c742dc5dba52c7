// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/audio/SilentAudioBackend.h"

#include <algorithm>

#include "host/audio/SoundFile.h"
#include "host/audio/TrackLength.h"

namespace xuehai {

SilentAudioBackend::SilentAudioBackend() {
    end_.setSingleShot(true);
    end_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end_, &QTimer::timeout, &end_, [this] {
        from_ = length_;
        playing_.invalidate();
        if (OnEnded) {
            OnEnded();
        }
    });
}

void SilentAudioBackend::Load(const std::filesystem::path& file) {
    Unload();
    RequireSoundContent(file);
    length_ = TrackLength(file);
}

void SilentAudioBackend::Unload() {
    end_.stop();
    playing_.invalidate();
    length_ = from_ = std::chrono::milliseconds(0);
}

void SilentAudioBackend::Play() {
    if (playing_.isValid()) {
        return;
    }
    if (from_ >= length_) {
        from_ = std::chrono::milliseconds(0);
    }
    playing_.start();
    end_.start(length_ - from_);
}

void SilentAudioBackend::Pause() {
    from_ = Position();
    end_.stop();
    playing_.invalidate();
}

std::chrono::milliseconds SilentAudioBackend::Position() const {
    if (!playing_.isValid()) {
        return from_;
    }
    return std::min(length_, from_ + std::chrono::milliseconds(playing_.elapsed()));
}

}  // namespace xuehai
