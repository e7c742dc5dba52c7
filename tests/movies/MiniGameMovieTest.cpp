// SPDX-License-Identifier: GPL-3.0-or-later
#include <QQuickItem>

#include "MovieScene.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

class MiniGameMovie : public MovieScene {
protected:
    void SetUp() override {
        MovieScene::SetUp();
        Play(MovieSource(QStringLiteral("runpig/pig.qml")), QStringLiteral("Data/RunPig/pig.mod"));
        game_ = control_->Target("_level0");
    }

    void StartRunning() {
        ClickButton(QStringLiteral("开始"));
        ASSERT_TRUE(WaitFor(
            [this] { return game_->property("phase").toString() == QStringLiteral("play"); }));
    }

    // Ends a round that had these results, as running out of time does.
    void EndWith(int fruitPoints, int bumps) {
        game_->setProperty("fruitPoints", fruitPoints);
        game_->setProperty("bumps", bumps);
        game_->setProperty("timeLeft", 0.01);
        ASSERT_TRUE(WaitFor(
            [this] { return game_->property("phase").toString() == QStringLiteral("over"); }));
        Settle();
    }

    QQuickItem* game_ = nullptr;
};

TEST_F(MiniGameMovie, WaitsOnItsInstructionsUntilStarted) {
    Settle(300);
    EXPECT_EQ(game_->property("phase").toString(), QStringLiteral("intro"));
    EXPECT_TRUE(commands_.empty());
}

TEST_F(MiniGameMovie, ThePigJumpsOnTheSpaceBarAndLandsAgain) {
    StartRunning();
    Press(Qt::Key_Space);
    EXPECT_TRUE(WaitFor([this] { return game_->property("pigHeight").toDouble() > 40; }, 1000));
    EXPECT_TRUE(WaitFor([this] { return game_->property("pigHeight").toDouble() == 0; }, 2000));
}

TEST_F(MiniGameMovie, APigThatNeverJumpsBumpsIntoTheFirstObstacle) {
    StartRunning();
    ASSERT_TRUE(WaitFor([this] { return game_->property("bumps").toInt() > 0; }, 10000));
    EXPECT_LT(game_->property("net").toInt(), 0);
}

TEST_F(MiniGameMovie, AGoodRoundReportsThePointsWonOnce) {
    StartRunning();
    EndWith(12, 2);
    Settle(200);
    EXPECT_EQ(commands_, (Commands{{"PigWin", "6"}}));
}

TEST_F(MiniGameMovie, APoorRoundReportsThePointsLost) {
    StartRunning();
    EndWith(2, 3);
    EXPECT_EQ(commands_, (Commands{{"PigLose", "7"}}));
}

TEST_F(MiniGameMovie, AnEvenRoundLosesNothing) {
    StartRunning();
    EndWith(3, 1);
    EXPECT_EQ(commands_, (Commands{{"PigLose", "0"}}));
}

TEST_F(MiniGameMovie, BackToTheMapRaisesExitsAndUnloadsItself) {
    StartRunning();
    EndWith(5, 0);
    ClickButton(QStringLiteral("回到地图"));
    EXPECT_EQ(commands_.back().first, "exits");
    EXPECT_TRUE(WaitFor([this] { return control_->Target("_level0") == nullptr; }));
}

}  // namespace
}  // namespace xuehai::test
