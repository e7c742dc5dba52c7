// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <thread>

#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "fakes/FakePlatform.h"
#include "host/services/TMediaPlayer.h"

namespace xuehai {
namespace {

bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The player on each audio engine, with silent tracks encoded the way the game's music is:
// "short.mp3" plays half a second, "long.mp3" two seconds. The parameter is --mute.
class MediaPlayerAudio : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (!GetParam() && !QMediaPlayer().isAvailable()) {
            GTEST_SKIP() << "no Qt Multimedia back end is usable here";
        }
        ASSERT_TRUE(folder.isValid());
        SetProgramFolder(folder.path().toStdString());
        MakeTrack(QStringLiteral("short"), QStringLiteral("0.5"));
        MakeTrack(QStringLiteral("long"), QStringLiteral("2"));
        SetMusicMuted(GetParam());
        player = std::make_unique<TMediaPlayer>(platform, nullptr);
        SetMusicMuted(false);
        player->OnNotify = [this] { ++notifications; };
    }

    void MakeTrack(const QString& name, const QString& seconds) {
        const QString wav = folder.filePath(name + QStringLiteral(".wav"));
        ASSERT_TRUE(RunTool(QStringLiteral("sox"),
                            {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                             wav, QStringLiteral("trim"), QStringLiteral("0"), seconds}))
            << "sox is missing: run scripts/install-deps.sh";
        ASSERT_TRUE(RunTool(
            QStringLiteral("lame"),
            {QStringLiteral("--quiet"), wav, folder.filePath(name + QStringLiteral(".mp3"))}))
            << "lame is missing: run scripts/install-deps.sh";
    }

    void Open(const char* name) {
        player->SetFileName(name);
        player->Open();
    }
    bool NotifiedWithin(int count, int milliseconds) {
        return QTest::qWaitFor([&] { return notifications == count; }, milliseconds);
    }

    QTemporaryDir folder;
    fakes::FakePlatform platform;
    std::unique_ptr<TMediaPlayer> player;
    int notifications = 0;
};

TEST_P(MediaPlayerAudio, PlaysAnMp3ToItsEndAndAgainFromTheStart) {
    QElapsedTimer opening;
    opening.start();
    Open("short.mp3");
    EXPECT_LT(opening.elapsed(), 2000);

    QElapsedTimer playing;
    playing.start();
    player->Play();
    EXPECT_LT(playing.elapsed(), 100);
    EXPECT_TRUE(NotifiedWithin(1, 5000));
    EXPECT_GE(playing.elapsed(), 300);

    player->Play();
    EXPECT_TRUE(NotifiedWithin(2, 5000));
    QTest::qWait(100);
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(platform.Log().empty());
}

TEST_P(MediaPlayerAudio, StopEndsThePlayAndPlayGoesOnFromThere) {
    Open("long.mp3");
    player->Play();
    QTest::qWait(1000);
    player->Stop();
    EXPECT_TRUE(NotifiedWithin(1, 1000));
    QTest::qWait(1500);
    EXPECT_EQ(notifications, 1);

    QElapsedTimer rest;
    rest.start();
    EXPECT_NO_THROW(player->Play());
    EXPECT_TRUE(NotifiedWithin(2, 5000));
    EXPECT_GE(rest.elapsed(), 400);
    EXPECT_LT(rest.elapsed(), 1800) << "the play started over instead of going on";
    EXPECT_TRUE(platform.Log().empty());
}

TEST_P(MediaPlayerAudio, OpenRunsNoEventsOfTheScreens) {
    int screenEvents = 0;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { ++screenEvents; }, Qt::QueuedConnection);
    QTimer::singleShot(1, [&] { ++screenEvents; });
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Open("short.mp3");
    player->Play();
    // Opening another track cuts the play short; the notification waits for the event loop.
    Open("long.mp3");
    EXPECT_EQ(screenEvents, 0);
    EXPECT_EQ(notifications, 0);

    QCoreApplication::processEvents();
    EXPECT_EQ(screenEvents, 2);
    EXPECT_EQ(notifications, 1);
}

TEST_P(MediaPlayerAudio, AFileThatIsNotAudioIsRefusedAtOnce) {
    std::ofstream(folder.filePath(QStringLiteral("notes.mp3")).toStdString()) << "not a song\n";
    player->SetFileName("notes.mp3");
    try {
        player->Open();
        ADD_FAILURE() << "a text file opened as music";
    } catch (const MediaError& e) {
        EXPECT_NE(std::string(e.what()).find("notes.mp3"), std::string::npos) << e.what();
    }
    EXPECT_THROW(player->Play(), MediaError);
}

// A file that starts as an MP3 does and then holds no sound: refused by Open, or, where the
// engine learns it only while loading, shown in the error box afterwards. Either way its play
// never ends with a notification, and the next track plays.
TEST_P(MediaPlayerAudio, ABrokenMp3IsReportedOnceAndNeverNotifies) {
    std::ofstream broken(folder.filePath(QStringLiteral("broken.mp3")).toStdString(),
                         std::ios::binary);
    broken << std::string("ID3\x03\x00\x00\x00\x00\x00\x10", 10);
    for (int i = 0; i < 400; ++i) {
        broken << "not a frame ";
    }
    broken.close();

    player->SetFileName("broken.mp3");
    try {
        player->Open();
        player->Play();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !platform.Log().empty(); }, 5000));
    } catch (const MediaError& e) {
        EXPECT_NE(std::string(e.what()).find("broken.mp3"), std::string::npos) << e.what();
    }
    QTest::qWait(300);
    ASSERT_LE(platform.Log().size(), 1u);
    if (!platform.Log().empty()) {
        EXPECT_NE(platform.Log()[0].find("broken.mp3"), std::string::npos) << platform.Log()[0];
    }
    EXPECT_EQ(notifications, 0);
    EXPECT_THROW(player->Play(), MediaError);

    const std::size_t errors = platform.Log().size();
    Open("short.mp3");
    player->Play();
    EXPECT_TRUE(NotifiedWithin(1, 5000));
    EXPECT_EQ(platform.Log().size(), errors);
}

INSTANTIATE_TEST_SUITE_P(Engines, MediaPlayerAudio, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& engine) {
                             return engine.param ? "Muted" : "Sound";
                         });

}  // namespace
}  // namespace xuehai
