// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace xuehai {

// What the music player needs of an audio engine: one track at a time. The game plays
// through QtAudioBackend, with --mute through SilentAudioBackend; tests drive the player with
// a scripted one. No call runs the event loop.
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Makes the file the current track, to be played at once; throws MediaError naming the
    // file when it is plainly no sound. A track that turns out later not to play is reported
    // through OnFailed.
    virtual void Load(const std::filesystem::path& file) = 0;
    // Drops the current track; what was playing stops without an end or failure report.
    virtual void Unload() = 0;
    // Plays from the current position, from the start when the track has ended.
    virtual void Play() = 0;
    // Halts at the current position.
    virtual void Pause() = 0;

    // Called from the event loop when the track has played to its end.
    std::function<void()> OnEnded;
    // Called from the event loop, at most once for a loaded track, when the track cannot be
    // played after all (unreadable, no sound in it, broken mid-way); the message names the
    // file. The track plays no further and never reports an end.
    std::function<void(const std::string& message)> OnFailed;
};

}  // namespace xuehai
