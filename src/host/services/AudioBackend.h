// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

namespace xuehai {

// What the music player needs of an audio engine: one track at a time. The game plays
// through QtAudioBackend; tests drive the player with a scripted one.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Makes the file the current track, ready to play; throws MediaError naming the file when
    // it cannot be played.
    virtual void Load(const std::filesystem::path& file) = 0;
    // Drops the current track; what was playing stops without an end report.
    virtual void Unload() = 0;
    // Plays from the current position, from the start when the track has ended.
    virtual void Play() = 0;
    // Halts at the current position.
    virtual void Pause() = 0;
    virtual void SetMuted(bool muted) = 0;

    // Called from the event loop when the track has played to its end.
    std::function<void()> OnEnded;
};

}  // namespace xuehai
