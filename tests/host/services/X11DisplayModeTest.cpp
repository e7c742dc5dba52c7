// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "TestServerModes.h"
#include "host/services/QtPlatform.h"

namespace xuehai {
namespace {

class X11DisplayMode : public testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            GTEST_SKIP() << "needs an X server";
        }
        std::optional<DisplayMode> mode = platform.CurrentDisplayMode();
        ASSERT_TRUE(mode.has_value());
        desktop = *mode;
    }
    void TearDown() override {
        if (desktop.width) {
            platform.SetDisplayMode(desktop.width, desktop.height, desktop.refreshRate);
        }
    }

    QtPlatform platform;
    DisplayMode desktop;
};

TEST_F(X11DisplayMode, ReadsTheModeOfTheScreen) {
    EXPECT_EQ(desktop.width, 1024);
    EXPECT_EQ(desktop.height, 768);
}

TEST_F(X11DisplayMode, SwitchesToAModeOfThatSizeWithinOneHertz) {
    ASSERT_TRUE(AddTestServerMode(800, 600, 74.4));
    EXPECT_FALSE(platform.SetDisplayMode(800, 600, 76));
    EXPECT_EQ(platform.CurrentDisplayMode()->width, 1024);

    ASSERT_TRUE(platform.SetDisplayMode(800, 600, 75));
    std::optional<DisplayMode> now = platform.CurrentDisplayMode();
    ASSERT_TRUE(now.has_value());
    EXPECT_EQ(now->width, 800);
    EXPECT_EQ(now->height, 600);
    EXPECT_EQ(now->refreshRate, 74);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.ScreenSize() == QSize(800, 600); }, 3000));

    EXPECT_TRUE(platform.SetDisplayMode(desktop.width, desktop.height, desktop.refreshRate));
    EXPECT_EQ(platform.CurrentDisplayMode()->width, 1024);
}

TEST_F(X11DisplayMode, RefusesASizeTheOutputDoesNotOffer) {
    EXPECT_FALSE(platform.SetDisplayMode(1000, 700, desktop.refreshRate));
    EXPECT_EQ(platform.CurrentDisplayMode()->width, 1024);
}

TEST_F(X11DisplayMode, IsLeftAloneInAWindow) {
    QtPlatform window({.window = true});
    EXPECT_FALSE(window.CurrentDisplayMode().has_value());
    EXPECT_FALSE(window.SetDisplayMode(desktop.width, desktop.height, desktop.refreshRate));
}

}  // namespace
}  // namespace xuehai
