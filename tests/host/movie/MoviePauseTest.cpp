// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QVariant>

#include "MovieTestSupport.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

// A turning sun, a ticking clock, a one-shot delay, a group, and an animation the movie
// itself has stopped, beside a clip the host may hide.
const QByteArray kBusyMovie = MovieWith(R"(
    property real turn: 0
    NumberAnimation on turn { objectName: "spin"; to: 360; duration: 4000; loops: Animation.Infinite }
    Timer { objectName: "clock"; interval: 50; repeat: true; running: true }
    Timer { objectName: "delay"; interval: 60000; running: true }
    SequentialAnimation {
        objectName: "group"; running: true; loops: Animation.Infinite
        PauseAnimation { objectName: "groupPart"; duration: 500 }
    }
    NumberAnimation { objectName: "stopped"; target: root; property: "turn"; to: 1; running: false }
    Clip {
        objectName: "boat"
        property real sail: 0
        NumberAnimation on sail { objectName: "sailing"; to: 100; duration: 3000; loops: Animation.Infinite }
    }
)");

class MoviePause : public MovieTest {
protected:
    void SetUp() override {
        MovieTest::SetUp();
        control_ = MakeControl();
        control_->SetMovie(Write(QStringLiteral("busy.mod"), kBusyMovie));
        Settle();
    }

    QObject* Part(const char* name) const {
        return control_->Target("_level0")->findChild<QObject*>(QString::fromLatin1(name));
    }
    bool Moves(const char* animation) const {
        QObject* part = Part(animation);
        return part->property("running").toBool() && !part->property("paused").toBool();
    }
    bool Ticks(const char* timer) const { return Part(timer)->property("running").toBool(); }

    std::unique_ptr<TShockwaveFlash> control_;
};

TEST_F(MoviePause, MinimisedHoldsStillWhatRanAndOnlyThat) {
    ASSERT_TRUE(Moves("spin"));
    ASSERT_TRUE(Ticks("clock"));

    control_->setWindowState(Qt::WindowMinimized);
    Settle();
    EXPECT_FALSE(Moves("spin"));
    EXPECT_FALSE(Moves("sailing"));
    EXPECT_FALSE(Ticks("clock"));
    EXPECT_FALSE(Moves("group"));
    // The parts of a group follow the group; a delay that fires once is left to fire.
    EXPECT_FALSE(Part("groupPart")->property("paused").toBool());
    EXPECT_TRUE(Ticks("delay"));

    control_->setWindowState(Qt::WindowNoState);
    Settle();
    EXPECT_TRUE(Moves("spin"));
    EXPECT_TRUE(Moves("sailing"));
    EXPECT_TRUE(Ticks("clock"));
    EXPECT_TRUE(Moves("group"));
    EXPECT_FALSE(Part("stopped")->property("running").toBool());
}

TEST_F(MoviePause, AScreenOpenedOverTheWholeWindowHoldsItStill) {
    QDialog small(control_.get());
    small.setModal(true);
    small.resize(200, 100);
    small.show();
    Settle();
    EXPECT_TRUE(Moves("spin")) << "a message box leaves most of the movie in sight";
    small.hide();
    Settle();

    QDialog cover(control_.get());
    cover.setModal(true);
    cover.setGeometry(control_->frameGeometry());
    cover.show();
    Settle();
    EXPECT_FALSE(Moves("spin"));
    EXPECT_FALSE(Ticks("clock"));

    cover.hide();
    Settle();
    EXPECT_TRUE(Moves("spin"));
    EXPECT_TRUE(Ticks("clock"));
}

TEST_F(MoviePause, AHiddenClipWaitsUntilShownInSight) {
    control_->TSetProperty("_level0.boat", 7, "0");
    EXPECT_FALSE(Moves("sailing"));
    EXPECT_TRUE(Moves("spin"));

    // Shown again while the window is minimised: it goes on only with the rest.
    control_->setWindowState(Qt::WindowMinimized);
    Settle();
    control_->TSetProperty("_level0.boat", 7, "1");
    EXPECT_FALSE(Moves("sailing"));
    control_->setWindowState(Qt::WindowNoState);
    Settle();
    EXPECT_TRUE(Moves("sailing"));
    EXPECT_TRUE(Moves("spin"));
}

TEST_F(MoviePause, AMovieLoadedOutOfSightStartsWhenShown) {
    control_->hide();
    Settle();
    control_->LoadMovie(1, Write(QStringLiteral("later.mod"), kBusyMovie));
    QObject* spin = control_->Target("_level1")->findChild<QObject*>(QStringLiteral("spin"));
    EXPECT_TRUE(spin->property("paused").toBool());
    // The host still talks to a movie out of sight.
    control_->SetVariable("_level1.Qstn", "题目");
    EXPECT_EQ(control_->GetVariable("_level1.Qstn"), "题目");

    control_->show();
    Settle();
    EXPECT_FALSE(spin->property("paused").toBool());
    EXPECT_TRUE(Moves("spin"));
}

}  // namespace
}  // namespace xuehai::test
