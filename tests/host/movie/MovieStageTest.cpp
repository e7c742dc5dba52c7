// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWidget>

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

TEST_F(MovieStage, WidgetsOverATransparentMovieShowAndWork) {
    QWidget form;
    form.setStyleSheet(QStringLiteral("background: red"));
    form.resize(800, 600);
    MovieSettings settings;
    settings.windowMode = WindowMode::Transparent;
    TShockwaveFlash control(settings, &form, [](const std::string&) {});
    control.resize(800, 600);
    control.SetMovie(Write(QStringLiteral("s1.mod"), MovieWith(R"(
        Rectangle { width: 100; height: 100; color: "blue" }
        MouseArea { anchors.fill: parent; onClicked: Movie.fscommand("movie", "") }
    )")));
    QLineEdit name(&form);
    name.setGeometry(300, 300, 200, 30);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // The control draws its frame on its own timer.
    QImage shown;
    for (int tries = 0; tries < 100 && shown.pixelColor(50, 50) != QColor(Qt::blue); ++tries) {
        QTest::qWait(10);
        shown = form.grab().toImage();
    }
    EXPECT_EQ(shown.pixelColor(50, 50), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(600, 100), QColor(Qt::red));

    control.OnFSCommand = [this](const std::string& command, const std::string& args) {
        commands_.emplace_back(command, args);
    };
    QTest::mouseClick(&name, Qt::LeftButton);
    QTest::keyClicks(&name, QStringLiteral("xiaoming"));
    Settle();
    EXPECT_EQ(name.text(), QStringLiteral("xiaoming"));
    EXPECT_TRUE(commands_.empty());
}

// A level that paints the whole stage hides the ones under it, and only while it does.
TEST_F(MovieStage, AnOpaqueLevelOverTheWholeStageHidesTheLevelsUnderIt) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), MovieWith("")));
    control->LoadMovie(1, Write(QStringLiteral("pig.mod"),
                                MovieWith("opaque: true\nfunction leave() { Movie.unload() }")));
    control->LoadMovie(2, Write(QStringLiteral("tip.mod"),
                                "import Xuehai.Movie\nClip { width: 100; height: 100; "
                                "opaque: true }"));
    Clip* map = control->Target("_level0");
    Clip* game = control->Target("_level1");
    ASSERT_TRUE(map != nullptr && game != nullptr);
    EXPECT_FALSE(map->isVisible());
    EXPECT_TRUE(game->isVisible()) << "a small opaque level hides nothing";

    control->TSetProperty("_level1", 7, "0");
    EXPECT_TRUE(map->isVisible());
    control->TSetProperty("_level1", 7, "1");
    EXPECT_FALSE(map->isVisible());

    game->setX(10);
    EXPECT_TRUE(map->isVisible()) << "the stage's left edge shows";
    game->setX(0);
    game->setOpacity(0.5);
    EXPECT_TRUE(map->isVisible());
    game->setOpacity(1);
    game->setOpaque(false);
    EXPECT_TRUE(map->isVisible());
    game->setOpaque(true);
    EXPECT_FALSE(map->isVisible());

    // What the host hid stays hidden when the cover goes.
    control->TSetProperty("_level0", 7, "0");
    ASSERT_TRUE(QMetaObject::invokeMethod(game, "leave"));
    Settle();
    EXPECT_FALSE(map->isVisible());
    control->TSetProperty("_level0", 7, "1");
    EXPECT_TRUE(map->isVisible());
}

// A replaced level is gone at once, whatever covers what.
TEST_F(MovieStage, AReplacedLevelIsNotShownAgainByTheCover) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), MovieWith("")));
    control->LoadMovie(1, Write(QStringLiteral("quiz.mod"), MovieWith("")));
    QPointer<Clip> replaced = control->Target("_level1");
    control->LoadMovie(1, Write(QStringLiteral("pig.mod"), MovieWith("opaque: true")));
    ASSERT_FALSE(replaced.isNull()) << "deleted later, not at once";
    EXPECT_FALSE(replaced->isVisible());
    EXPECT_FALSE(control->Target("_level0")->isVisible());
}

TEST_F(MovieStage, KeysReachTheNewestLevel) {
    auto control = MakeControl();
    const QByteArray keyed = MovieWith(R"(
        Keys.onEscapePressed: Movie.fscommand("esc", String(Movie.level))
        function leave() { Movie.unload() }
    )");
    control->SetMovie(Write(QStringLiteral("title.avi"), keyed));
    control->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(control.get()));
    QTest::keyClick(control.get(), Qt::Key_Escape);
    control->LoadMovie(1, Write(QStringLiteral("q.mod"), keyed));
    QTest::keyClick(control.get(), Qt::Key_Escape);
    ASSERT_TRUE(QMetaObject::invokeMethod(control->Target("_level1"), "leave"));
    QTest::keyClick(control.get(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(commands_, (decltype(commands_){{"esc", "0"}, {"esc", "1"}, {"esc", "0"}}));
}

}  // namespace
}  // namespace xuehai::test
