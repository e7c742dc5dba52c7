// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakeMusicPlayer.h"

#include "core/Errors.h"
#include "fakes/FakePlatform.h"

namespace xuehai::fakes {

FakeMusicPlayer::FakeMusicPlayer(FakePlatform& platform, QObject* parent, std::string name)
    : QObject(parent), platform_(platform), name_(std::move(name)) {
    setObjectName(QString::fromStdString(name_));
}

void FakeMusicPlayer::SetFileName(const std::string& path) {
    Record("SetFileName(" + path + ")");
    fileName_ = path;
}

void FakeMusicPlayer::Open() {
    Record("Open(" + fileName_ + ")");
    open_ = false;
    playing_ = false;
    auto failure = openFailures_.find(fileName_);
    if (failure != openFailures_.end()) {
        throw MediaError(failure->second);
    }
    open_ = true;
}

void FakeMusicPlayer::Close() {
    Record("Close()");
    open_ = false;
    playing_ = false;
}

void FakeMusicPlayer::Play() {
    Record("Play()");
    if (!open_) {
        throw MediaError("No MCI device open");
    }
    playing_ = true;
}

void FakeMusicPlayer::Stop() {
    Record("Stop()");
    if (!open_) {
        throw MediaError("No MCI device open");
    }
    playing_ = false;
}

void FakeMusicPlayer::SetNotify(bool notify) {
    Record(std::string("SetNotify(") + (notify ? "true" : "false") + ")");
}

void FakeMusicPlayer::FailOpenOf(const std::string& fileName, std::string message) {
    openFailures_[fileName] = std::move(message);
}

void FakeMusicPlayer::FireNotify() {
    playing_ = false;
    if (OnNotify) {
        RunGuarded(platform_, [&] { OnNotify(); });
    }
}

void FakeMusicPlayer::Record(const std::string& call) {
    platform_.Record(name_ + "." + call);
}

}  // namespace xuehai::fakes
