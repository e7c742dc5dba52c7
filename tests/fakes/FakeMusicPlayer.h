// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <map>
#include <string>

#include "host/MusicPlayer.h"

namespace xuehai::fakes {

class FakePlatform;

// A music player that plays nothing: it logs each call as "<name>.<Operation>(<args>)",
// Open with the file name it opens. Play and Stop with nothing open throw MediaError
// "No MCI device open", as the real player does.
class FakeMusicPlayer : public QObject, public MusicPlayer {
public:
    FakeMusicPlayer(FakePlatform& platform, QObject* parent, std::string name);

    void SetFileName(const std::string& path) override;
    std::string FileName() const override { return fileName_; }
    void Open() override;
    void Close() override;
    void Play() override;
    void Stop() override;
    void SetNotify(bool notify) override;

    const std::string& Name() const { return name_; }
    bool IsOpen() const { return open_; }
    bool IsPlaying() const { return playing_; }
    // Makes every later Open of that file name throw MediaError with the message.
    void FailOpenOf(const std::string& fileName, std::string message = "Unknown error code");
    // The track ends: OnNotify runs now, and what it throws goes to the platform's error box.
    void FireNotify();

private:
    void Record(const std::string& call);

    FakePlatform& platform_;
    std::string name_;
    std::string fileName_;
    bool open_ = false;
    bool playing_ = false;
    std::map<std::string, std::string> openFailures_;
};

}  // namespace xuehai::fakes
