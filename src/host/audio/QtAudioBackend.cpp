// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/audio/QtAudioBackend.h"

#include <QUrl>

#include "host/audio/SoundFile.h"

namespace xuehai {

QtAudioBackend::QtAudioBackend() {
    player_.setAudioOutput(&output_);
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus status) { StatusChanged(status); });
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error, const QString& text) { Fail(text); });
}

void QtAudioBackend::Load(const std::filesystem::path& file) {
    RequireSoundContent(file);
    ++track_;
    failed_ = false;
    file_ = file;
    player_.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void QtAudioBackend::StatusChanged(QMediaPlayer::MediaStatus status) {
    if (failed_) {
        return;
    }
    switch (status) {
        case QMediaPlayer::LoadedMedia:
            if (!player_.hasAudio()) {
                Fail(QStringLiteral("it holds no sound"));
            }
            break;
        case QMediaPlayer::InvalidMedia:
            Fail(QString());
            break;
        case QMediaPlayer::EndOfMedia:
            if (OnEnded) {
                OnEnded();
            }
            break;
        default:
            break;
    }
}

void QtAudioBackend::Fail(const QString& reason) {
    // The first report names the cause; later ones echo the pipeline.
    if (failed_) {
        return;
    }
    failed_ = true;
    const std::string message =
        "The music file " + QuotedMusicFile(file_) + " cannot be played: " +
        (reason.isEmpty() ? std::string("Unknown error code") : reason.toStdString());
    // The engine may report from inside setSource or play, or from its bus handler, where
    // stopping the pipeline could wait on its own threads; the player hears of it, and drops
    // the track, from the event loop only, and only while the track is the one that failed.
    QMetaObject::invokeMethod(
        &player_,
        [this, track = track_, message] {
            if (track == track_ && OnFailed) {
                OnFailed(message);
            }
        },
        Qt::QueuedConnection);
}

void QtAudioBackend::Unload() {
    ++track_;
    player_.stop();
    player_.setSource(QUrl());
}

void QtAudioBackend::Play() {
    // Not every Qt media back end starts over by itself when asked to play at the end.
    if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) {
        player_.setPosition(0);
    }
    player_.play();
}

void QtAudioBackend::Pause() {
    player_.pause();
}

}  // namespace xuehai
