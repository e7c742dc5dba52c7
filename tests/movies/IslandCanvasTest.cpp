// SPDX-License-Identifier: GPL-3.0-or-later
// The map's island picture: cut into tiles of which only those in view are kept, let go
// while the map is hidden or out of sight, and always the same picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "PictureCompare.h"
#include "UiScene.h"
#include "host/movie/MovieDrawing.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {
namespace {

// The world at a quarter of its size, as the mini-map shows it, in one picture or in tiles.
QByteArray Scene(int tiles) {
    return QByteArray(R"(
import QtQuick
import Xuehai.Ui
Item {
    width: 310; height: 235
    IslandCanvas {
        objectName: "island"
        anchors.fill: parent
        detailed: true
        tiles: TILES
        places: [{ "x": 300, "y": 300, "region": 1 }, { "x": 480, "y": 360, "region": 1 },
                 { "x": 900, "y": 600, "region": 2 }, { "x": 640, "y": 470, "region": 3 }]
    }
})")
        .replace("TILES", QByteArray::number(tiles));
}

const QByteArray kScene = Scene(1);

// The canvases in the scene, each holding a picture; a repeater's items are found through
// the item tree.
int Canvases(const QQuickItem& item) {
    int canvases = QByteArray(item.metaObject()->className()) == "QQuickCanvasItem";
    for (const QQuickItem* child : item.childItems()) {
        canvases += Canvases(*child);
    }
    return canvases;
}

TEST(IslandCanvas, LetsItsPictureGoWhileHiddenAndPaintsItAgainWhenShown) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    QQuickWidget control(engine.get(), nullptr);
    QQuickItem* scene = test::ShowUiScene(control, kScene, QSize(310, 235));
    ASSERT_NE(scene, nullptr);
    QTest::qWait(200);
    const QImage before = control.grabFramebuffer();
    auto* island = scene->findChild<QQuickItem*>(QStringLiteral("island"));
    ASSERT_NE(island, nullptr);
    EXPECT_EQ(Canvases(*scene), 1);

    // Gone while not shown, then painted the same again.
    const auto letsGoAndComesBack = [&](const std::function<void(bool shown)>& show) {
        show(false);
        QTest::qWait(50);
        EXPECT_EQ(Canvases(*scene), 0);
        show(true);
        QTest::qWait(200);
        EXPECT_EQ(Canvases(*scene), 1);
        EXPECT_EQ(test::PixelsApart(before, control.grabFramebuffer(), 0), 0);
    };
    // As the host hides the map's level under a quiz.
    letsGoAndComesBack([&](bool shown) { scene->setVisible(shown); });
    // Its movie control out of sight under another screen.
    letsGoAndComesBack(
        [&](bool shown) { MovieDrawing::SetSceneSeen(control.quickWindow(), shown); });
}

class TiledIslands : public ::testing::TestWithParam<qreal> {};

// Tiles meet without seams and show what one picture of the world shows, at every scale.
TEST_P(TiledIslands, LookLikeOnePicture) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    VirtualScreen::ScaleWindows(GetParam());
    const auto draw = [&engine](int tiles) {
        QQuickWidget control(engine.get(), nullptr);
        EXPECT_NE(test::ShowUiScene(control, Scene(tiles), QSize(310, 235)), nullptr);
        QTest::qWait(200);
        return control.grabFramebuffer();
    };
    const QImage whole = draw(1);
    const QImage tiled = draw(6);
    VirtualScreen::ScaleWindows(1);

    ASSERT_EQ(whole.size(), tiled.size());
    // A seam (the background between two tiles, or an edge drawn twice) is a line of pixels
    // the length of a tile, a misplaced tile thousands of them. A tile's picture may be a
    // fraction of a pixel larger than its place on the screen: its shapes' soft edges then
    // differ a little.
    EXPECT_LT(test::PixelsApart(whole, tiled, 120), whole.height() / 8) << GetParam();
}

// 1: 800 x 600; 1.28: 1366 x 768; 1.8: 1920 x 1080; 2: a high-density screen.
INSTANTIATE_TEST_SUITE_P(Scales, TiledIslands, ::testing::Values(1.0, 1.28, 1.8, 2.0));

TEST(TiledIslands, KeepOnlyTheTilesInViewAndPaintThoseComingIntoIt) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    QQuickWidget control(engine.get(), nullptr);
    QQuickItem* scene = test::ShowUiScene(control, Scene(6), QSize(310, 235));
    ASSERT_NE(scene, nullptr);
    QTest::qWait(200);
    const QImage whole = control.grabFramebuffer();
    auto* island = scene->findChild<QQuickItem*>(QStringLiteral("island"));
    ASSERT_NE(island, nullptr);
    EXPECT_EQ(Canvases(*scene), 36);

    // The map's view, a quarter of the world, at two corners: at rest just
    // the tiles it shows, while it moves the next ones too.
    island->setProperty("view", QRectF(0, 0, 620, 470));
    QTest::qWait(50);
    EXPECT_EQ(Canvases(*scene), 9) << "three tiles a side";
    island->setProperty("moving", true);
    QTest::qWait(50);
    EXPECT_EQ(Canvases(*scene), 16) << "and the next ones within the lead";
    island->setProperty("view", QRectF(620, 0, 620, 470));
    island->setProperty("moving", false);
    QTest::qWait(200);
    EXPECT_EQ(Canvases(*scene), 9);
    const QRect inView(155, 0, 155, 117);
    EXPECT_EQ(test::PixelsApart(whole.copy(inView), control.grabFramebuffer().copy(inView), 0), 0);

    island->setProperty("view", QRectF(0, 0, 1240, 940));
    QTest::qWait(200);
    EXPECT_EQ(Canvases(*scene), 36);
    EXPECT_EQ(test::PixelsApart(whole, control.grabFramebuffer(), 0), 0);
}

}  // namespace
}  // namespace xuehai
