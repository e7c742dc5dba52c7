// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QTest>

#include "MovieTestSupport.h"
#include "host/movie/Clip.h"
#include "host/movie/StageMapping.h"

namespace xuehai::test {
namespace {

void ExpectMapping(const StageMapping& m, qreal sx, qreal sy, qreal dx, qreal dy) {
    EXPECT_DOUBLE_EQ(m.scaleX, sx);
    EXPECT_DOUBLE_EQ(m.scaleY, sy);
    EXPECT_DOUBLE_EQ(m.offsetX, dx);
    EXPECT_DOUBLE_EQ(m.offsetY, dy);
}

TEST(StageMapping, FitsCoversOrStretches) {
    const QSizeF stage(800, 600);
    ExpectMapping(MapStage(stage, {1000, 600}, ScaleMode::ShowAll), 1, 1, 100, 0);
    ExpectMapping(MapStage(stage, {1000, 600}, ScaleMode::NoBorder), 1.25, 1.25, 0, -75);
    ExpectMapping(MapStage(stage, {1000, 600}, ScaleMode::ExactFit), 1.25, 1, 0, 0);
    ExpectMapping(MapStage(stage, {400, 600}, ScaleMode::ShowAll), 0.5, 0.5, 0, 150);
    ExpectMapping(MapStage({0, 0}, {400, 600}, ScaleMode::ShowAll), 1, 1, 0, 0);
    ExpectMapping(MapStage(stage, {0, 0}, ScaleMode::NoBorder), 1, 1, 0, 0);
}

// Reports where on the stage it was clicked.
const QByteArray kClickable = MovieWith(R"(
    MouseArea {
        anchors.fill: parent
        onClicked: (mouse) => Movie.fscommand("click", Math.round(mouse.x) + "," + Math.round(mouse.y))
    }
)");

class MovieStage : public MovieTest {};

TEST_F(MovieStage, MouseInputFollowsEveryScaleMode) {
    for (ScaleMode mode : {ScaleMode::ShowAll, ScaleMode::NoBorder, ScaleMode::ExactFit}) {
        commands_.clear();
        MovieSettings settings;
        settings.scaleMode = mode;
        auto control = MakeControl(settings);
        control->resize(1000, 500);
        control->SetMovie(Write(QStringLiteral("map.mod"), kClickable));
        const StageMapping mapping = control->Mapping();

        QTest::mouseClick(control.get(), Qt::LeftButton, {}, mapping.ToView({600, 150}).toPoint());
        Settle();

        ASSERT_EQ(commands_.size(), 1u) << int(mode);
        EXPECT_EQ(commands_[0].second, "600,150") << int(mode);
    }
}

TEST_F(MovieStage, EveryLevelSharesTheStageOfLevelZero) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("bo.mod"),
                            "import Xuehai.Movie\nClip { id: root; "
                            "width: 400; height: 300 }"));
    control->LoadMovie(1, Write(QStringLiteral("quiz.mod"), kClickable));
    ExpectMapping(control->Mapping(), 2, 2, 0, 0);

    control->Target("_level0")->setWidth(800);
    ExpectMapping(control->Mapping(), 1, 1, 0, 150);

    QTest::mouseClick(control.get(), Qt::LeftButton, {}, QPoint(10, 160));
    Settle();
    EXPECT_EQ(commands_, (decltype(commands_){{"click", "10,10"}}));
}

TEST_F(MovieStage, WindowModeDecidesWhatShowsWhereTheMovieDrawsNothing) {
    const QByteArray corner = MovieWith("Rectangle { width: 10; height: 10; color: \"blue\" }");
    MovieSettings transparent;
    transparent.windowMode = WindowMode::Transparent;
    auto seeThrough = MakeControl(transparent);
    seeThrough->SetMovie(Write(QStringLiteral("title.avi"), corner));
    auto opaque = MakeControl();
    opaque->SetMovie(Write(QStringLiteral("title.avi"), corner));

    const QImage clear = seeThrough->grabFramebuffer();
    EXPECT_EQ(clear.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(clear.pixelColor(400, 300).alpha(), 0);
    const QImage filled = opaque->grabFramebuffer();
    EXPECT_EQ(filled.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(filled.pixelColor(400, 300), QColor(Qt::white));
}

TEST_F(MovieStage, NoBorderCropsTheOverflow) {
    MovieSettings settings;
    settings.scaleMode = ScaleMode::NoBorder;
    auto control = MakeControl(settings);
    control->resize(800, 300);
    control->SetMovie(Write(QStringLiteral("s1.mod"), MovieWith(R"(
        Rectangle { width: 800; height: 150; color: "red" }
        Rectangle { y: 150; width: 800; height: 300; color: "blue" }
        Rectangle { y: 450; width: 800; height: 150; color: "red" }
    )")));

    const QImage shown = control->grabFramebuffer();
    EXPECT_EQ(shown.pixelColor(400, 1), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(400, 298), QColor(Qt::blue));
}

}  // namespace
}  // namespace xuehai::test
