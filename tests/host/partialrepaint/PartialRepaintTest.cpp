// SPDX-License-Identifier: GPL-3.0-or-later
// What a movie control shows on a scaled screen after many small moves must be the picture a
// fresh control draws of the same moment: no rows or columns left behind by moving things.
#include <gtest/gtest.h>
#include <qpa/qplatformbackingstore.h>

#include <QBackingStore>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>
#include <memory>

#include "PictureCompare.h"
#include "host/movie/MovieEngine.h"
#include "host/movie/PictureCopy.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {
namespace {

// A bubble rises, a plank slides and a lettered bubble sways up as it fades in, all in whole
// pixels, over a sky, as the movies do.
constexpr const char* kScene = R"(
import QtQuick
Rectangle {
    width: 200; height: 200
    gradient: Gradient {
        GradientStop { position: 0; color: "#4fc3f7" }
        GradientStop { position: 1; color: "#e1f5fe" }
    }
    property real step: 0
    Rectangle {
        x: 40; y: 150 - Math.round(parent.step)
        width: 13; height: 13; radius: 6.5
        color: "transparent"; border.color: "white"; border.width: 2
    }
    Rectangle {
        x: 20 + Math.round(parent.step * 0.7); y: 60
        width: 31; height: 11
        color: "#8d6e63"
    }
    Rectangle {
        x: 120 + Math.round(6 * Math.sin(parent.step / 5))
        y: 170 - Math.round(parent.step * 1.3)
        width: 34; height: 34; radius: 17
        color: "#40ffffff"; border.color: "#ccffffff"; border.width: 2
        opacity: 0.4 + 0.01 * parent.step
        Rectangle {
            x: parent.width * 0.2; y: parent.height * 0.16
            width: parent.width * 0.22; height: width; radius: width / 2
            color: "#ccffffff"
        }
        Text { anchors.centerIn: parent; text: "学"; font.pixelSize: 17; color: "white" }
    }
}
)";

// A movie control as the game's: the picture reaches the window through the whole-pixel copy.
class Control : public QQuickWidget {
public:
    explicit Control(QQmlEngine* engine) : QQuickWidget(engine, nullptr) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!CopyPictureInWholePixels(*this, *event)) {
            QQuickWidget::paintEvent(event);
        }
    }
    bool event(QEvent* event) override {
        const bool handled = QQuickWidget::event(event);
        WidenPictureUpdate(*this, *event);
        return handled;
    }
};

std::unique_ptr<QQuickWidget> Show(QQmlEngine& engine, qreal step) {
    auto control = std::make_unique<Control>(&engine);
    auto* component = new QQmlComponent(&engine, control.get());
    component->setData(kScene, QUrl());
    auto* scene = qobject_cast<QQuickItem*>(component->create());
    EXPECT_NE(scene, nullptr) << component->errorString().toStdString();
    if (scene != nullptr) {
        scene->setProperty("step", step);
        control->setContent(QUrl(), component, scene);
    }
    control->resize(200, 200);
    control->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(control.get()));
    QTest::qWait(40);
    return control;
}

// What the window holds: the control's own top-level backing store.
QImage OnScreen(QQuickWidget& control) {
    return control.backingStore()->handle()->toImage();
}

class PartialRepaint : public ::testing::TestWithParam<qreal> {};

TEST_P(PartialRepaint, ManySmallMovesLeaveNothingBehind) {
    UseSoftwareQuickRenderer();
    VirtualScreen::ScaleWindows(GetParam());
    QQmlEngine engine;
    constexpr int kSteps = 60;
    const std::unique_ptr<QQuickWidget> moving = Show(engine, 0);
    for (int step = 1; step <= kSteps; ++step) {
        moving->rootObject()->setProperty("step", step);
        QTest::qWait(20);
    }
    QTest::qWait(40);
    const QImage played = OnScreen(*moving);
    const std::unique_ptr<QQuickWidget> fresh = Show(engine, kSteps);
    const QImage drawnAtOnce = OnScreen(*fresh);
    VirtualScreen::ScaleWindows(1);

    ASSERT_EQ(played.size(), drawnAtOnce.size());
    EXPECT_EQ(played.size(), QSize(qRound(200 * GetParam()), qRound(200 * GetParam())));
    EXPECT_EQ(test::PixelsApart(played, drawnAtOnce, 12), 0);
}

// 1.8: 800 x 600 on 1920 x 1080; 1.28: on 1366 x 768; 2: a high-density screen.
INSTANTIATE_TEST_SUITE_P(Scales, PartialRepaint, ::testing::Values(1.0, 1.28, 1.8, 2.0));

}  // namespace
}  // namespace xuehai
