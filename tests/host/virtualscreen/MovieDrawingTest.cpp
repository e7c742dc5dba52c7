// SPDX-License-Identifier: GPL-3.0-or-later
// The movies' cached images follow the scale the game draws at.
#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <memory>

#include "host/movie/MovieEngine.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {
namespace {

std::unique_ptr<QObject> Movie(QQmlEngine& engine) {
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick\nimport Xuehai.Movie\nQtObject { property real ratio: "
        "Drawing.ratio }",
        QUrl());
    std::unique_ptr<QObject> movie(component.create());
    EXPECT_NE(movie, nullptr) << component.errorString().toStdString();
    return movie;
}

TEST(MovieDrawing, TheRatioOfCachedImagesFollowsTheScale) {
    UseSoftwareQuickRenderer();
    // Movies come and go with their engines; each one sees the same answer.
    for (int engines = 0; engines < 2; ++engines) {
        SCOPED_TRACE(engines);
        const std::shared_ptr<QQmlEngine> engine = SharedMovieEngine();
        const std::unique_ptr<QObject> movie = Movie(*engine);
        ASSERT_NE(movie, nullptr);
        EXPECT_DOUBLE_EQ(movie->property("ratio").toDouble(), 1);
        // As start-up scales the windows once the title's movie is already playing.
        VirtualScreen::ScaleWindows(1.8);
        EXPECT_NEAR(movie->property("ratio").toDouble(), 1.8, 1e-9);
        VirtualScreen::ScaleWindows(1);
        EXPECT_DOUBLE_EQ(movie->property("ratio").toDouble(), 1);
    }
}

}  // namespace
}  // namespace xuehai
