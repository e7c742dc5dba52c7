// SPDX-License-Identifier: GPL-3.0-or-later
// A movie's cached image must look like its content drawn directly, at every scale the game
// draws at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEvent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <memory>

#include "PictureCompare.h"
#include "UiScene.h"
#include "host/movie/MovieDrawing.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {
namespace {

// A round badge with an outlined glyph, as the title's name, placed off the pixel grid, and a
// plain opaque bar: the sky shows around the badge.
QByteArray Scene(const char* holder) {
    return QByteArray(R"(
import QtQuick
import Xuehai.Ui
Rectangle {
    width: 200; height: 200; color: "#224488"
    Item {
        x: 13; y: 7; width: 180; height: 180
        HOLDER {
            x: 30; y: 40; width: 100; height: 60
            Rectangle { anchors.fill: parent; radius: 30; color: "#ffb74d"; border.color: "black"; border.width: 3 }
            Rectangle { x: 40; y: 50; width: 20; height: 6; color: "black" }
            Text {
                anchors.centerIn: parent; text: "学海"; font.pixelSize: 30; color: "blue"
                style: Text.Outline; styleColor: "red"
            }
        }
    }
})")
        .replace("HOLDER", holder);
}

// How many of the scene's cached images show their picture, not their content drawn live.
int PicturesShown(const QQuickItem& scene) {
    int shown = 0;
    for (const QQuickItem* item : scene.findChildren<QQuickItem*>()) {
        shown += item->isVisible() && QByteArray(item->metaObject()->className()) == "QQuickImage";
    }
    return shown;
}

QImage Draw(QQmlEngine& engine, const QByteArray& qml, int pictures) {
    QQuickWidget control(&engine, nullptr);
    QQuickItem* scene = test::ShowUiScene(control, qml, QSize(200, 200));
    if (scene == nullptr) {
        return {};
    }
    // A cached image is taken on the first frames.
    EXPECT_TRUE(QTest::qWaitFor([&] { return PicturesShown(*scene) == pictures; }));
    return control.grabFramebuffer();
}

class CachedImage : public ::testing::TestWithParam<qreal> {};

TEST_P(CachedImage, LooksLikeItsContentDrawnDirectly) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    VirtualScreen::ScaleWindows(GetParam());
    const QImage direct = Draw(*engine, Scene("Item"), 0);
    const QImage cached = Draw(*engine, Scene("CachedImage"), 1);
    VirtualScreen::ScaleWindows(1);

    ASSERT_EQ(direct.size(), cached.size());
    ASSERT_EQ(direct.width(), qRound(200 * GetParam()));
    // The badge covers some 5,000 pixels at scale 1 and leaves 800 around it: a shifted image
    // misses most of the badge, a background left uncleared fills the 800.
    // Smoothing at a fractional position explains differences up to the tolerance.
    EXPECT_LT(test::PixelsApart(direct, cached, 240), direct.width() * direct.height() / 200);
}

// A control that notes every part of itself it paints.
class PaintWatch : public QQuickWidget {
public:
    using QQuickWidget::QQuickWidget;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        QQuickWidget::paintEvent(event);
    }
};

TEST_P(CachedImage, StaysUnpaintedWhileSomethingElseMoves) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    VirtualScreen::ScaleWindows(GetParam());
    PaintWatch control(engine.get(), nullptr);
    QQuickItem* scene = test::ShowUiScene(control, R"(
import QtQuick
import Xuehai.Ui
Rectangle {
    width: 200; height: 200; color: "white"
    CachedImage {
        x: 20; y: 20; width: 100; height: 60
        Rectangle { anchors.fill: parent; radius: 10; color: "#ffb74d" }
        Text { anchors.centerIn: parent; text: "学海"; font.pixelSize: 30; style: Text.Outline }
    }
    Rectangle {
        y: 160; width: 20; height: 20; color: "blue"
        NumberAnimation on x { from: 0; to: 180; duration: 1000; loops: Animation.Infinite }
    }
})",
                                          QSize(200, 200));
    ASSERT_NE(scene, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PicturesShown(*scene) == 1; }));
    QTest::qWait(100);
    control.painted = QRegion();
    QTest::qWait(300);
    VirtualScreen::ScaleWindows(1);

    EXPECT_TRUE(control.painted.intersects(QRect(0, 160, 200, 20)));
    EXPECT_FALSE(control.painted.intersects(QRect(20, 20, 100, 60)));
}

// Under a level that is hidden, or in a control out of sight, no picture is held; it is taken
// again when it shows.
TEST(CachedImageUnseen, LetsItsPictureGoAndTakesItAgainWhenShown) {
    const std::shared_ptr<QQmlEngine> engine = test::SoftwareUiEngine();
    QQuickWidget control(engine.get(), nullptr);
    QQuickItem* scene = test::ShowUiScene(control, Scene("CachedImage"), QSize(200, 200));
    ASSERT_NE(scene, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PicturesShown(*scene) == 1; }));
    QQuickItem* picture = nullptr;
    for (QQuickItem* item : scene->findChildren<QQuickItem*>()) {
        if (QByteArray(item->metaObject()->className()) == "QQuickImage") {
            picture = item;
        }
    }
    const QImage before = control.grabFramebuffer();

    QQuickItem* level = scene->childItems().front();
    level->setVisible(false);
    EXPECT_TRUE(picture->property("source").toUrl().isEmpty());
    level->setVisible(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PicturesShown(*scene) == 1; }));
    EXPECT_EQ(test::PixelsApart(before, control.grabFramebuffer(), 0), 0);

    // Its movie control covered whole by another screen: the same, and no picture is taken
    // while the control stays out of sight.
    MovieDrawing::SetSceneSeen(control.quickWindow(), false);
    EXPECT_TRUE(picture->property("source").toUrl().isEmpty());
    QTest::qWait(100);
    EXPECT_EQ(PicturesShown(*scene), 0);
    MovieDrawing::SetSceneSeen(control.quickWindow(), true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PicturesShown(*scene) == 1; }));
    EXPECT_EQ(test::PixelsApart(before, control.grabFramebuffer(), 0), 0);
}

// 1: 800 x 600; 1.28: 1366 x 768; 1.8: 1920 x 1080; 2: a high-density screen.
INSTANTIATE_TEST_SUITE_P(Scales, CachedImage, ::testing::Values(1.0, 1.28, 1.8, 2.0));

}  // namespace
}  // namespace xuehai
