// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>

#include "ScreenRecorder.h"
#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "fakes/FakeMovieControl.h"
#include "fakes/FakePlatform.h"
#include "shell/DesktopMode.h"
#include "shell/TFormtitle.h"

namespace xuehai {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TitleScreen : public ::testing::Test {
protected:
    void SetUp() override { SetProgramFolder(folder_.path().toStdString()); }

    std::unique_ptr<TFormtitle> Start(QSize desktop) {
        platform_.SetScreenSize(desktop);
        auto title = std::make_unique<TFormtitle>(platform_, login_.Factory());
        return title;
    }

    QTemporaryDir folder_;
    fakes::FakePlatform platform_;
    testing::ScreenRecorder login_;
};

TEST_F(TitleScreen, SwitchesOnlyWhenBothDimensionsDiffer) {
    struct Case {
        QSize desktop;
        bool switched;
    };
    for (const Case& c : {Case{{1024, 768}, true}, Case{{640, 480}, true}, Case{{800, 600}, false},
                          Case{{800, 1280}, false}, Case{{1280, 600}, false}}) {
        platform_.ClearLog();
        auto title = Start(c.desktop);
        EXPECT_EQ(SavedScreenWidth, c.desktop.width());
        EXPECT_EQ(SavedScreenHeight, c.desktop.height());
        if (c.switched) {
            EXPECT_THAT(platform_.Lines("SetDisplayMode"),
                        ElementsAre("SetDisplayMode(800, 600, 75)"))
                << c.desktop.width() << "x" << c.desktop.height();
        } else {
            EXPECT_THAT(platform_.Lines("SetDisplayMode"), IsEmpty())
                << c.desktop.width() << "x" << c.desktop.height();
        }
    }
}

TEST_F(TitleScreen, PlaysTheTitleMovieFromTheGameFolder) {
    auto title = Start({1024, 768});
    EXPECT_THAT(platform_.Lines("title.SetMovie"),
                ElementsAre("title.SetMovie(" + ProgramFolder() + "title.avi)"));
    const auto& settings = platform_.Movie("title")->Settings();
    EXPECT_EQ(settings.windowMode, WindowMode::Transparent);
    EXPECT_EQ(settings.scaleMode, ScaleMode::NoBorder);
}

TEST_F(TitleScreen, EndStopsTheMovieHidesTheTitleAndCoversTheScreenWithTheLogin) {
    auto title = Start({1024, 768});
    title->show();
    // The switch succeeded, so the screen is 800 x 600 from now on.
    platform_.SetScreenSize({800, 600});
    platform_.ClearLog();

    platform_.Movie("title")->Raise("end");

    EXPECT_THAT(platform_.Lines("title."), ElementsAre("title.Stop()"));
    ASSERT_EQ(login_.Shown().size(), 1u);
    EXPECT_EQ(login_.Shown()[0].owner, title.get());
    EXPECT_EQ(login_.Shown()[0].geometry.size(), QSize(800, 600));
    EXPECT_FALSE(title->isVisible());
}

TEST_F(TitleScreen, OnlyTheExactWordEndOpensTheLogin) {
    auto title = Start({800, 600});
    for (const char* command : {"End", "end ", "END", "", "ende"}) {
        platform_.Movie("title")->Raise(command);
    }
    EXPECT_THAT(login_.Shown(), IsEmpty());
    EXPECT_THAT(platform_.Lines("title.Stop"), IsEmpty());
}

TEST_F(TitleScreen, EscapeOnTheMovieActsLikeEnd) {
    auto title = Start({800, 600});
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(platform_.Movie("title")->Widget(), &escape);
    EXPECT_THAT(platform_.Lines("title.Stop"), ElementsAre("title.Stop()"));
    EXPECT_EQ(login_.Shown().size(), 1u);

    QKeyEvent other(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(platform_.Movie("title")->Widget(), &other);
    EXPECT_EQ(login_.Shown().size(), 1u);
}

TEST_F(TitleScreen, ALateEndAfterEscapeOpensNoSecondLogin) {
    auto title = Start({800, 600});
    title->FormKeyDown(27);
    platform_.Movie("title")->Raise("end");
    EXPECT_EQ(login_.Shown().size(), 1u);
}

// The title never shows again once the login screen runs; its movie is let go then, and
// not while the command that opened the login screen is still being handled.
TEST_F(TitleScreen, TheTitleMovieGoesOnceTheLoginScreenRuns) {
    auto title = Start({800, 600});
    title->show();
    platform_.Movie("title")->Raise("end");
    ASSERT_NE(platform_.Movie("title"), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(platform_.Movie("title"), nullptr);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(title.get(), &escape);
    title->titleFSCommand("end", "");
    EXPECT_EQ(login_.Shown().size(), 1u);
}

TEST_F(TitleScreen, ClosingTheTitleWindowEndsTheRun) {
    auto title = Start({800, 600});
    title->show();
    title->close();
    EXPECT_TRUE(platform_.Terminated());
    EXPECT_THAT(login_.Shown(), IsEmpty());
}

// The window system tells of the new screen size a moment after the switch was made.
void ReportScreenSize(QSize size) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry(screen->geometry().topLeft(), size);
    QWindowSystemInterface::handleScreenGeometryChange(screen, geometry, geometry);
    QCoreApplication::processEvents();
}

TEST_F(TitleScreen, IsCentredOnTheScreenInForceAfterTheSwitch) {
    const QSize before = QGuiApplication::primaryScreen()->geometry().size();
    ReportScreenSize({1024, 768});
    auto title = Start({1024, 768});
    title->show();
    EXPECT_EQ(title->geometry(), QRect(114, 109, 796, 549));
    ReportScreenSize({800, 600});
    EXPECT_EQ(title->geometry(), QRect(2, 25, 796, 549));
    ReportScreenSize(before);
}

TEST_F(TitleScreen, AWindowCloseAfterTheSwitchGivesTheDesktopItsModeBack) {
    platform_.SetCurrentDisplayMode(DisplayMode{1920, 1080, 60});
    auto title = Start({1920, 1080});
    title->show();
    platform_.ClearLog();
    title->close();
    EXPECT_THAT(platform_.Log(), ElementsAre("SetDisplayMode(1920, 1080, 60)", "Terminate()"));
}

TEST_F(TitleScreen, AWindowCloseLeavesTheDisplayAloneWhereNothingWasSwitched) {
    for (const bool refused : {false, true}) {
        platform_.SetCurrentDisplayMode(DisplayMode{1920, 1080, 60});
        platform_.SetDisplayModeResult(!refused);
        // 1920 x 600 is never switched; 1920 x 1080 is, unless the display refuses.
        auto title = Start(refused ? QSize(1920, 1080) : QSize(1920, 600));
        title->show();
        platform_.ClearLog();
        title->close();
        EXPECT_THAT(platform_.Log(), ElementsAre("Terminate()")) << refused;
    }
}

}  // namespace
}  // namespace xuehai
