// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace xuehai {

// The hidden music player of a screen. Paths are game paths (a bare name such as
// "map.mp3" is found in the game folder).
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;

    virtual void SetFileName(const std::string& path) = 0;
    virtual std::string FileName() const = 0;
    // Closes an open file first; throws MediaError when the file cannot be played.
    virtual void Open() = 0;
    // Closes the file if one is open; never fails.
    virtual void Close() = 0;
    // From the current position (the start when at the end); returns at once. Throws
    // MediaError "No MCI device open" when no file is open.
    virtual void Play() = 0;
    // Stops playback; throws MediaError "No MCI device open" when no file is open.
    virtual void Stop() = 0;
    virtual void SetNotify(bool notify) = 0;

    // Raised later, on the UI thread, once for each play that ends: played to its end, or
    // cut short by Stop, Close or Open.
    std::function<void()> OnNotify;
};

}  // namespace xuehai
