// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/TMediaPlayer.h"

#include <fstream>

#include "core/Errors.h"
#include "core/GamePath.h"
#include "host/Platform.h"
#include "host/services/QtAudioBackend.h"

namespace xuehai {

namespace {

bool processMuted = false;

const char* const kNoDevice = "No MCI device open";

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
    : TMediaPlayer(platform, std::make_unique<QtAudioBackend>(), parent) {}

TMediaPlayer::TMediaPlayer(Platform& platform, std::unique_ptr<AudioBackend> backend,
                           QObject* parent)
    : QObject(parent), platform_(platform), backend_(std::move(backend)) {
    backend_->OnEnded = [this] {
        if (playing_) {
            EndPlay();
        }
    };
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
    const std::filesystem::path file = MusicFile(fileName_);
    struct Hold {
        TMediaPlayer& player;
        explicit Hold(TMediaPlayer& p) : player(p) { player.opening_ = true; }
        ~Hold() {
            player.opening_ = false;
            for (; player.heldNotifications_ > 0; --player.heldNotifications_) {
                player.PostNotify();
            }
        }
    } hold(*this);
    backend_->Load(file);
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
    backend_->SetMuted(processMuted);
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
    if (opening_) {
        ++heldNotifications_;
        return;
    }
    if (OnNotify) {
        RunGuarded(platform_, [this] { OnNotify(); });
    }
}

}  // namespace xuehai
