// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/QtAudioBackend.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include "core/Errors.h"

namespace xuehai {

namespace {

std::string Quoted(const std::filesystem::path& file) {
    return "'" + file.string() + "'";
}

}  // namespace

QtAudioBackend::QtAudioBackend() {
    player_.setAudioOutput(&output_);
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia && !loading_ && OnEnded) {
                             OnEnded();
                         }
                     });
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error, const QString& text) {
                         // The first report names the cause; later ones echo the pipeline.
                         if (loading_ && loadError_.isNull()) {
                             loadError_ =
                                 text.isEmpty() ? QStringLiteral("Unknown error code") : text;
                         }
                     });
}

void QtAudioBackend::Load(const std::filesystem::path& file) {
    loadError_ = QString();
    loading_ = true;
    player_.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    WaitUntilLoaded();
    loading_ = false;

    std::string failure;
    if (!loadError_.isNull()) {
        failure =
            "The music file " + Quoted(file) + " cannot be played: " + loadError_.toStdString();
    } else if (player_.mediaStatus() == QMediaPlayer::LoadingMedia) {
        failure = "The music file " + Quoted(file) + " took too long to open";
    } else if (player_.mediaStatus() == QMediaPlayer::InvalidMedia) {
        failure = "The music file " + Quoted(file) + " cannot be played: Unknown error code";
    } else if (!player_.hasAudio()) {
        failure = "The music file " + Quoted(file) + " holds no sound";
    }
    if (!failure.empty()) {
        Unload();
        throw MediaError(failure);
    }
}

void QtAudioBackend::WaitUntilLoaded() {
    QEventLoop loop;
    auto finished = [this] {
        return !loadError_.isNull() || player_.mediaStatus() != QMediaPlayer::LoadingMedia;
    };
    auto quitWhenFinished = [&] {
        if (finished()) {
            loop.quit();
        }
    };
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &loop, quitWhenFinished);
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &loop, quitWhenFinished);
    QTimer::singleShot(kLoadTimeout, &loop, &QEventLoop::quit);
    if (!finished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void QtAudioBackend::Unload() {
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

void QtAudioBackend::SetMuted(bool muted) {
    output_.setMuted(muted);
}

}  // namespace xuehai
