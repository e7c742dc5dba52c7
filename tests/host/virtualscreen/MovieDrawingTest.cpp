// SPDX-License-Identifier: GPL-3.0-or-later
// The movies' cached images follow the scale the game draws at.
#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <memory>

#include "host/movie/MovieDrawing.h"
#include "host/movie/MovieEngine.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {
namespace {

TEST(MovieDrawing, TheSoftwareRendererCachesLayersOnlyOnAnUnscaledPicture) {
    UseSoftwareQuickRenderer();
    const std::shared_ptr<QQmlEngine> engine = SharedMovieEngine();
    QQmlComponent component(engine.get());
    component.setData(
        "import QtQuick\nimport Xuehai.Movie\nQtObject { property bool cached: "
        "Drawing.cachedLayers }",
        QUrl());
    std::unique_ptr<QObject> movie(component.create());
    ASSERT_NE(movie, nullptr) << component.errorString().toStdString();
    EXPECT_TRUE(movie->property("cached").toBool());
    // As start-up scales the windows once the title's movie is already playing.
    VirtualScreen::ScaleWindows(1.8);
    EXPECT_FALSE(movie->property("cached").toBool());
    VirtualScreen::ScaleWindows(1);
    EXPECT_TRUE(movie->property("cached").toBool());
}

}  // namespace
}  // namespace xuehai
