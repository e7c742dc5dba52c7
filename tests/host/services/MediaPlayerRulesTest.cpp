// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <fstream>

#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "fakes/FakePlatform.h"
#include "host/services/TMediaPlayer.h"

namespace xuehai {
namespace {

// An audio engine that plays nothing and says what it was asked.
class ScriptedBackend : public AudioBackend {
public:
    void Load(const std::filesystem::path& file) override {
        loaded.push_back(file);
        if (failLoad) {
            throw MediaError("The music file '" + file.string() + "' holds no sound");
        }
    }
    void Unload() override { ++unloads; }
    void Play() override { ++plays; }
    void Pause() override {}
    void End() { OnEnded(); }
    void Fail(const std::string& message) { OnFailed(message); }

    std::vector<std::filesystem::path> loaded;
    bool failLoad = false;
    int unloads = 0;
    int plays = 0;
};

class MediaPlayerRules : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetProgramFolder(folder.path().toStdString());
        std::ofstream(folder.filePath(QStringLiteral("map.mp3")).toStdString()) << "track";
        std::ofstream(folder.filePath(QStringLiteral("other.mp3")).toStdString()) << "track";
        auto owned = std::make_unique<ScriptedBackend>();
        backend = owned.get();
        player = new TMediaPlayer(platform, std::move(owned), nullptr);
        player->OnNotify = [this] { ++notifications; };
    }
    void TearDown() override { delete player; }

    void OpenMap() {
        player->SetFileName("map.mp3");
        player->Open();
    }
    int NotificationsAfterEvents() {
        QCoreApplication::processEvents();
        return notifications;
    }

    QTemporaryDir folder;
    fakes::FakePlatform platform;
    ScriptedBackend* backend = nullptr;
    QPointer<TMediaPlayer> player;
    int notifications = 0;
};

TEST_F(MediaPlayerRules, PlayAndStopWithNothingOpenFail) {
    auto expectNoDevice = [](auto call) {
        try {
            call();
            ADD_FAILURE() << "no MediaError";
        } catch (const MediaError& e) {
            EXPECT_STREQ(e.what(), "No MCI device open");
        }
    };
    expectNoDevice([&] { player->Play(); });
    expectNoDevice([&] { player->Stop(); });
    OpenMap();
    player->Close();
    expectNoDevice([&] { player->Play(); });
    EXPECT_NO_THROW(player->Close());
}

TEST_F(MediaPlayerRules, BareNamesAreFoundInTheGameFolderWhateverTheCase) {
    player->SetFileName("MAP.MP3");
    player->Open();
    ASSERT_EQ(backend->loaded.size(), 1u);
    EXPECT_EQ(backend->loaded[0],
              std::filesystem::path(folder.filePath(QStringLiteral("map.mp3")).toStdString()));
}

TEST_F(MediaPlayerRules, OpenFailsAtOnceNamingTheFile) {
    std::filesystem::create_directory(folder.filePath(QStringLiteral("dir.mp3")).toStdString());
    for (const char* name : {"missing.mp3", "dir.mp3", "../outside.mp3", ""}) {
        player->SetFileName(name);
        EXPECT_THROW(player->Open(), MediaError) << name;
    }
    player->SetFileName("missing.mp3");
    try {
        player->Open();
    } catch (const MediaError& e) {
        EXPECT_NE(std::string(e.what()).find("missing.mp3"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(backend->loaded.empty());
    EXPECT_THROW(player->Play(), MediaError);
}

TEST_F(MediaPlayerRules, AFileTheBackendRefusesLeavesThePlayerClosed) {
    backend->failLoad = true;
    player->SetFileName("map.mp3");
    EXPECT_THROW(player->Open(), MediaError);
    EXPECT_THROW(player->Play(), MediaError);
}

TEST_F(MediaPlayerRules, APlayedTrackNotifiesOnceAndOnlyLater) {
    OpenMap();
    player->Play();
    backend->End();
    EXPECT_EQ(notifications, 0);
    EXPECT_EQ(NotificationsAfterEvents(), 1);
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 1);
}

TEST_F(MediaPlayerRules, StopCloseAndOpenEachCutAPlayShortOnce) {
    OpenMap();
    player->Play();
    player->Stop();
    player->Stop();
    EXPECT_EQ(NotificationsAfterEvents(), 1);

    player->Play();
    player->Close();
    player->Close();
    EXPECT_EQ(NotificationsAfterEvents(), 2);

    OpenMap();
    player->Play();
    player->SetFileName("other.mp3");
    player->Open();
    EXPECT_EQ(NotificationsAfterEvents(), 3);

    player->Play();
    player->SetFileName("missing.mp3");
    EXPECT_THROW(player->Open(), MediaError);
    EXPECT_EQ(NotificationsAfterEvents(), 4);
}

TEST_F(MediaPlayerRules, TheCutShortPlayIsReportedAfterOpenReturns) {
    bool openReturned = false;
    player->OnNotify = [&] {
        ++notifications;
        EXPECT_TRUE(openReturned);
        player->Play();
    };
    OpenMap();
    player->Play();
    player->SetFileName("other.mp3");
    player->Open();
    openReturned = true;
    EXPECT_EQ(NotificationsAfterEvents(), 1);
    EXPECT_TRUE(platform.Log().empty());
}

TEST_F(MediaPlayerRules, PlayingAgainWhilePlayingEndsOnlyOnce) {
    OpenMap();
    player->Play();
    player->Play();
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 1);
}

TEST_F(MediaPlayerRules, NotifyFalseSilencesOnlyTheNextCommand) {
    OpenMap();
    player->SetNotify(false);
    player->Play();
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 0);

    player->SetNotify(false);
    OpenMap();
    player->Play();
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 1);
}

TEST_F(MediaPlayerRules, TheHandlerCanLoopTheTrack) {
    player->OnNotify = [this] {
        ++notifications;
        player->Play();
    };
    OpenMap();
    player->Play();
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 1);
    EXPECT_EQ(backend->plays, 2);
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 2);
}

TEST_F(MediaPlayerRules, WhatTheHandlerThrowsGoesToTheErrorBox) {
    player->OnNotify = [] { throw MediaError("No MCI device open"); };
    OpenMap();
    player->Play();
    player->Stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.Log(), std::vector<std::string>{"ShowError(No MCI device open)"});
}

TEST_F(MediaPlayerRules, ADestroyedPlayerStopsItsMusicAndNeverNotifies) {
    OpenMap();
    player->Play();
    player->Stop();
    player->Play();
    ScriptedBackend* gone = backend;
    const int unloadsBefore = gone->unloads;
    delete player;
    EXPECT_EQ(gone->unloads, unloadsBefore + 1);
    EXPECT_EQ(NotificationsAfterEvents(), 0);
}

TEST_F(MediaPlayerRules, ATrackFoundBrokenLaterClosesWithAnErrorAndNoNotification) {
    player->OnNotify = [this] {
        ++notifications;
        player->Play();
    };
    OpenMap();
    player->Play();
    backend->Fail("The music file 'map.mp3' cannot be played: broken frame");
    EXPECT_EQ(platform.Log(),
              std::vector<std::string>{"ShowError(The music file 'map.mp3' cannot be played: "
                                       "broken frame)"});
    EXPECT_EQ(NotificationsAfterEvents(), 0);
    EXPECT_THROW(player->Play(), MediaError);
    EXPECT_EQ(backend->unloads, 1);

    // Closing or opening again has nothing left to cut short.
    player->Close();
    OpenMap();
    EXPECT_EQ(NotificationsAfterEvents(), 0);
    player->Play();
    backend->End();
    EXPECT_EQ(NotificationsAfterEvents(), 1);
}

}  // namespace
}  // namespace xuehai
