// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "host/MusicPlayer.h"
#include "host/audio/AudioBackend.h"

namespace xuehai {

class Platform;

// Makes every music player of the process made from now on silent (--mute): it opens no
// audio device, yet its tracks end, and notify, as they would with sound.
void SetMusicMuted(bool muted);
bool MusicMuted();

// The hidden music player of a screen. No call runs the event loop. OnNotify is posted to the
// UI thread's event loop once for each notifying play that ends, never from inside a call,
// and never after the player is gone; what the handler throws is shown in the platform's
// error box. A track that the audio engine finds unplayable only after Open (or mid-way)
// closes, and the error box says so; its play ends without a notification, so a caller that
// loops the music does not start the broken track again.
class TMediaPlayer : public QObject, public MusicPlayer {
public:
    TMediaPlayer(Platform& platform, QObject* parent);
    TMediaPlayer(Platform& platform, std::unique_ptr<AudioBackend> backend, QObject* parent);
    ~TMediaPlayer() override;

    void SetFileName(const std::string& path) override { fileName_ = path; }
    std::string FileName() const override { return fileName_; }
    void Open() override;
    void Close() override;
    void Play() override;
    void Stop() override;
    // Asks for (or, with false, against) a notification from the next command only.
    void SetNotify(bool notify) override { notifyRequest_ = notify; }

private:
    // The notification wish for the command now running; Play notifies unless told not to.
    bool TakeNotifyRequest();
    void CloseFile();
    void TrackFailed(const std::string& message);
    void EndPlay();
    void PostNotify();
    void DeliverNotify();

    Platform& platform_;
    std::unique_ptr<AudioBackend> backend_;
    std::string fileName_;
    std::optional<bool> notifyRequest_;
    bool open_ = false;
    bool playing_ = false;
    bool playNotifies_ = false;
};

}  // namespace xuehai
