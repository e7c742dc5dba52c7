// SPDX-License-Identifier: GPL-3.0-or-later
// The map's island picture is let go while the map is hidden and comes back as it was.
#include <gtest/gtest.h>

#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <memory>

#include "PictureCompare.h"
#include "UiScene.h"

namespace xuehai {
namespace {

constexpr char kScene[] = R"(
import QtQuick
import Xuehai.Ui
Item {
    width: 310; height: 235
    IslandCanvas {
        objectName: "island"
        anchors.fill: parent
        detailed: true
        places: [{ "x": 300, "y": 300, "region": 1 }, { "x": 480, "y": 360, "region": 1 },
                 { "x": 900, "y": 600, "region": 2 }]
    }
})";

int Canvases(const QQuickItem& scene) {
    int canvases = 0;
    for (const QQuickItem* item : scene.findChildren<QQuickItem*>()) {
        canvases += QByteArray(item->metaObject()->className()) == "QQuickCanvasItem";
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

    // As the host hides the map's level under a quiz.
    scene->setVisible(false);
    QTest::qWait(50);
    EXPECT_EQ(Canvases(*scene), 0);

    scene->setVisible(true);
    QTest::qWait(200);
    EXPECT_EQ(Canvases(*scene), 1);
    EXPECT_EQ(test::PixelsApart(before, control.grabFramebuffer(), 0), 0);
}

}  // namespace
}  // namespace xuehai
