// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRectF>

#include "host/virtualscreen/VirtualScreenFit.h"

namespace xuehai {
namespace {

// The picture as the display shows it: scaled pixels times the factor.
QRectF OnDisplay(QSizeF screen) {
    const qreal factor = FullScreenFactor(screen);
    const QRect area = PictureArea(screen, factor);
    return {area.x() * factor, area.y() * factor, area.width() * factor, area.height() * factor};
}

void ExpectNear(const QRectF& actual, const QRectF& expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1) << "left";
    EXPECT_NEAR(actual.y(), expected.y(), 1) << "top";
    EXPECT_NEAR(actual.width(), expected.width(), 0.01) << "width";
    EXPECT_NEAR(actual.height(), expected.height(), 0.01) << "height";
}

TEST(VirtualScreenFit, WideScreensGetEvenBarsLeftAndRight) {
    EXPECT_DOUBLE_EQ(FullScreenFactor({1920, 1080}), 1.8);
    ExpectNear(OnDisplay({1920, 1080}), {240, 0, 1440, 1080});
    EXPECT_DOUBLE_EQ(FullScreenFactor({1366, 768}), 1.28);
    ExpectNear(OnDisplay({1366, 768}), {171, 0, 1024, 768});
}

TEST(VirtualScreenFit, TallScreensGetBarsAboveAndBelow) {
    EXPECT_DOUBLE_EQ(FullScreenFactor({1280, 1024}), 1.6);
    ExpectNear(OnDisplay({1280, 1024}), {0, 32, 1280, 960});
    EXPECT_EQ(PictureArea({1280, 1024}, 1.6), QRect(0, 20, 800, 600));
}

TEST(VirtualScreenFit, AnExact800x600ScreenIsThePictureItself) {
    EXPECT_DOUBLE_EQ(FullScreenFactor({800, 600}), 1);
    EXPECT_EQ(PictureArea({800, 600}, 1), QRect(0, 0, 800, 600));
}

TEST(VirtualScreenFit, ANetbookScreenKeepsThePictureAtItsSizeBetweenBars) {
    // 1024 x 600 is never switched (one side already matches) and cannot grow the picture.
    EXPECT_DOUBLE_EQ(FullScreenFactor({1024, 600}), 1);
    EXPECT_EQ(PictureArea({1024, 600}, 1), QRect(112, 0, 800, 600));
}

TEST(VirtualScreenFit, AScreenSmallerThanThePictureShrinksItToFit) {
    EXPECT_DOUBLE_EQ(FullScreenFactor({640, 480}), 0.8);
    ExpectNear(OnDisplay({640, 480}), {0, 0, 640, 480});
}

TEST(VirtualScreenFit, WindowsGrowInHalfStepsOnlyOnLargeScreens) {
    EXPECT_DOUBLE_EQ(WindowFactor({1920, 1080}), 1);
    EXPECT_DOUBLE_EQ(WindowFactor({1366, 768}), 1);
    EXPECT_DOUBLE_EQ(WindowFactor({2560, 1440}), 1.5);
    EXPECT_DOUBLE_EQ(WindowFactor({3840, 2160}), 2);
    EXPECT_DOUBLE_EQ(WindowFactor({640, 480}), 1);
}

TEST(VirtualScreenFit, AnUnknownScreenLeavesEverythingUnscaled) {
    EXPECT_DOUBLE_EQ(FullScreenFactor({}), 1);
    EXPECT_DOUBLE_EQ(WindowFactor({}), 1);
}

}  // namespace
}  // namespace xuehai
