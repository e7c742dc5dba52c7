// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/TMediaPlayer.h"

#include <fstream>

#include "core/Errors.h"
#include "core/GamePath.h"
#include "host/Platform.h"
#include "host/audio/QtAudioBackend.h"
#include "host/audio/SilentAudioBackend.h"

namespace xuehai {

namespace {

bool processMuted = false;

const char* const kNoDevice = "No MCI device open";

std::unique_ptr<AudioBackend> ProcessAudioBackend() {
    if (processMuted) {
        return std::make_unique<SilentAudioBackend>();
    }
    return std::make_unique<QtAudioBackend>();
}

std::filesystem::path MusicFile(const std::string& gamePath) {
    if (gamePath.empty()) {
        throw MediaError("No music file is named to open");
    }
    std::filesystem::path file;
    try {
        file = ResolveGamePath(gamePath);
    } catch (const PathError& e) {
        throw MediaError(e.what());
    }
    const std::string quoted = "'" + file.string() + "'";
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        throw MediaError("The music file " + quoted + " does not exist");
    }
    if (!std::filesystem::is_regular_file(file, ec)) {
        throw MediaError("The music file " + quoted + " is not a file");
    }
    if (!std::ifstream(file, std::ios::binary)) {
        throw MediaError("The music file " + quoted + " cannot be read");
    }
    return file;
}

}  // namespace

void SetMusicMuted(bool muted) {
    processMuted = muted;
}

bool MusicMuted() {
    return processMuted;
}

TMediaPlayer::TMediaPlayer(Platform& platform, QObject* parent)
    : TMediaPlayer(platform, ProcessAudioBackend(), parent) {}

TMediaPlayer::TMediaPlayer(Platform& platform, std::unique_ptr<AudioBackend> backend,
                           QObject* parent)
    : QObject(parent), platform_(platform), backend_(std::move(backend)) {
    backend_->OnEnded = [this] {
        if (playing_) {
            EndPlay();
        }
    };
    backend_->OnFailed = [this](const std::string& message) { TrackFailed(message); };
}

TMediaPlayer::~TMediaPlayer() {
    // The music ends with the player; nobody is left to be told.
    playing_ = false;
    if (open_) {
        backend_->Unload();
    }
}

void TMediaPlayer::Open() {
    TakeNotifyRequest();
    CloseFile();
    backend_->Load(MusicFile(fileName_));
    open_ = true;
}

void TMediaPlayer::Close() {
    TakeNotifyRequest();
    CloseFile();
}

void TMediaPlayer::Play() {
    const bool notify = TakeNotifyRequest();
    if (!open_) {
        throw MediaError(kNoDevice);
    }
    backend_->Play();
    // A Play while playing goes on with the same play, so only one end is reported.
    playing_ = true;
    playNotifies_ = notify;
}

void TMediaPlayer::Stop() {
    TakeNotifyRequest();
    if (!open_) {
        throw MediaError(kNoDevice);
    }
    backend_->Pause();
    if (playing_) {
        EndPlay();
    }
}

bool TMediaPlayer::TakeNotifyRequest() {
    const bool notify = notifyRequest_.value_or(true);
    notifyRequest_.reset();
    return notify;
}

void TMediaPlayer::CloseFile() {
    if (!open_) {
        return;
    }
    backend_->Unload();
    open_ = false;
    if (playing_) {
        EndPlay();
    }
}

void TMediaPlayer::TrackFailed(const std::string& message) {
    backend_->Unload();
    open_ = false;
    playing_ = false;
    RunGuarded(platform_, [&message] { throw MediaError(message); });
}

void TMediaPlayer::EndPlay() {
    playing_ = false;
    if (playNotifies_) {
        PostNotify();
    }
}

void TMediaPlayer::PostNotify() {
    // Queued on this object, so a destroyed player's pending notifications are dropped.
    QMetaObject::invokeMethod(this, &TMediaPlayer::DeliverNotify, Qt::QueuedConnection);
}

void TMediaPlayer::DeliverNotify() {
    if (OnNotify) {
        RunGuarded(platform_, [this] { OnNotify(); });
    }
}

}  // namespace xuehai
