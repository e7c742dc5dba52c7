// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "host/MusicPlayer.h"
#include "host/services/AudioBackend.h"

namespace xuehai {

class Platform;

// Silences every music player of the process (--mute) from its next Play on; the players
// still play, so their end notifications come as they would with sound.
void SetMusicMuted(bool muted);
bool MusicMuted();

// The hidden music player of a screen. OnNotify is posted to the UI thread's event loop once
// for each notifying play that ends, never from inside a call, and never after the player is
// gone; what the handler throws is shown in the platform's error box.
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
    // Open waits in a local event loop; notifications due meanwhile are held till it returns.
    bool opening_ = false;
    int heldNotifications_ = 0;
};

}  // namespace xuehai
