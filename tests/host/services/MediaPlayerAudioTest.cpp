// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

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

// Half a second of a 440 Hz tone, encoded the way the game's music is.
class MediaPlayerAudio : public testing::Test {
protected:
    void SetUp() override {
        if (!QMediaPlayer().isAvailable()) {
            GTEST_SKIP() << "no Qt Multimedia back end is usable here";
        }
        ASSERT_TRUE(folder.isValid());
        SetProgramFolder(folder.path().toStdString());
        const QString wav = folder.filePath(QStringLiteral("tone.wav"));
        ASSERT_TRUE(RunTool(QStringLiteral("sox"),
                            {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                             wav, QStringLiteral("synth"), QStringLiteral("0.5"),
                             QStringLiteral("sine"), QStringLiteral("440")}))
            << "sox is missing: run scripts/install-deps.sh";
        ASSERT_TRUE(RunTool(QStringLiteral("lame"), {QStringLiteral("--quiet"), wav,
                                                     folder.filePath(QStringLiteral("tone.mp3"))}))
            << "lame is missing: run scripts/install-deps.sh";
        player = std::make_unique<TMediaPlayer>(platform, nullptr);
        player->OnNotify = [this] { ++notifications; };
    }

    QTemporaryDir folder;
    fakes::FakePlatform platform;
    std::unique_ptr<TMediaPlayer> player;
    int notifications = 0;
};

TEST_F(MediaPlayerAudio, PlaysAnMp3ToItsEndAndAgainFromTheStart) {
    SetMusicMuted(true);
    player->SetFileName("tone.mp3");
    QElapsedTimer opening;
    opening.start();
    player->Open();
    EXPECT_LT(opening.elapsed(), 2000);

    QElapsedTimer playing;
    playing.start();
    player->Play();
    EXPECT_LT(playing.elapsed(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifications == 1; }, 5000));
    EXPECT_GE(playing.elapsed(), 300);

    player->Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifications == 2; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(platform.Log().empty());
    SetMusicMuted(false);
}

TEST_F(MediaPlayerAudio, StopEndsThePlayAndLeavesTheFileOpen) {
    SetMusicMuted(true);
    player->SetFileName("tone.mp3");
    player->Open();
    player->Play();
    player->Stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return notifications == 1; }, 1000));
    QTest::qWait(800);
    EXPECT_EQ(notifications, 1);
    EXPECT_NO_THROW(player->Play());
    SetMusicMuted(false);
}

TEST_F(MediaPlayerAudio, AFileThatIsNotAudioIsRefusedAtOnce) {
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

}  // namespace
}  // namespace xuehai
