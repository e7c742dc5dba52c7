// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBackingStore>
#include <QDialog>
#include <QImage>
#include <QTest>
#include <memory>

#include "MovieTestSupport.h"

namespace xuehai::test {
namespace {

// Still colours in fixed places: a picture drawn anew must match the one before, pixel for
// pixel.
const QByteArray kStillMovie = MovieWith(R"(
    Rectangle { anchors.fill: parent; color: "#0d47a1" }
    Rectangle { x: 100; y: 80; width: 300; height: 200; radius: 40; color: "#ffd54f" }
    Rectangle { x: 500; y: 350; width: 200; height: 150; rotation: 20; antialiasing: true; color: "#e53935" }
)");

class MoviePicture : public MovieTest {
protected:
    void SetUp() override {
        MovieTest::SetUp();
        control_ = MakeControl();
        control_->SetMovie(Write(QStringLiteral("still.mod"), kStillMovie));
        Shown();
        shown_ = Drawn();
    }

    // Lets Qt draw the scene, which it does a moment after it changed.
    static void Shown() {
        Settle();
        QTest::qWait(50);
    }
    // What the control paints, from its own picture of the movie.
    QImage Drawn() const { return control_->grab().toImage(); }
    QSize Surface() const { return control_->backingStore()->size(); }
    // A modal screen opened over the control, at frame.
    std::unique_ptr<QDialog> CoverAt(const QRect& frame) {
        auto cover = std::make_unique<QDialog>(control_.get());
        cover->setModal(true);
        cover->setGeometry(frame);
        cover->show();
        Settle();
        return cover;
    }
    // The cover gone: the control draws itself whole again, as before.
    void ExpectUncoveredAsBefore(QDialog& cover) {
        cover.hide();
        Settle();
        EXPECT_TRUE(control_->HoldsPicture());
        EXPECT_EQ(Drawn(), shown_);
    }
    // The rows of the control above a cover over its lower part.
    QRect InSight(const QWidget& cover) const {
        return QRect(0, 0, control_->width(),
                     cover.frameGeometry().top() - control_->geometry().top());
    }

    std::unique_ptr<TShockwaveFlash> control_;
    QImage shown_;
};

TEST_F(MoviePicture, CoveredWholeItLetsGoOfItsPicturesAndDrawsTheSameUncovered) {
    ASSERT_TRUE(control_->HoldsPicture());
    ASSERT_EQ(Surface(), control_->size());
    QDialog small(control_.get());
    small.setModal(true);
    small.resize(200, 100);
    small.show();
    Settle();
    EXPECT_TRUE(control_->HoldsPicture()) << "a message box leaves most of the movie in sight";
    small.hide();
    Settle();

    const std::unique_ptr<QDialog> cover = CoverAt(control_->frameGeometry());
    EXPECT_FALSE(control_->HoldsPicture());
    EXPECT_LT(Surface().width() * Surface().height(), 16) << "the covered window keeps its surface";

    ExpectUncoveredAsBefore(*cover);
    control_->repaint();
    EXPECT_EQ(Surface(), control_->size());
}

TEST_F(MoviePicture, AMessageOverTheScreenCoveringItKeepsItOutOfSight) {
    // The map over the login screen, then a small message over the map, opened from it.
    const std::unique_ptr<QDialog> cover = CoverAt(control_->frameGeometry());
    ASSERT_FALSE(control_->HoldsPicture());
    QDialog message(cover.get());
    message.setModal(true);
    message.resize(200, 100);
    message.show();
    Settle();
    EXPECT_FALSE(control_->HoldsPicture()) << "the map still covers it";

    message.hide();
    Settle();
    EXPECT_FALSE(control_->HoldsPicture());
    ExpectUncoveredAsBefore(*cover);
}

TEST_F(MoviePicture, CoveredButForAGlimpseItKeepsOnlyTheGlimpseAndFollowsTheCoverAsItMoves) {
    const QRect frame = control_->frameGeometry();
    // A quarter of the movie left in sight is more than a glimpse: it goes on drawing.
    const std::unique_ptr<QDialog> cover = CoverAt(frame.adjusted(0, frame.height() / 4, 0, 0));
    EXPECT_TRUE(control_->HoldsPicture());
    // The cover's top moved to `top` rows below the movie's: the rows above it, if a glimpse,
    // stay as they were, and the rest is let go.
    const auto coverFrom = [&](int top) {
        cover->setGeometry(frame.adjusted(0, top, 0, 0));
        Settle();
        EXPECT_FALSE(control_->HoldsPicture());
        EXPECT_EQ(Drawn().copy(InSight(*cover)), shown_.copy(InSight(*cover)));
    };

    // Twenty rows of six hundred are a glimpse.
    coverFrom(20);
    // The cover moved down a little: a wider glimpse, drawn again to be kept.
    coverFrom(40);

    // Down to the middle: more than a glimpse shows again, drawn as before.
    cover->setGeometry(frame.adjusted(0, frame.height() / 2, 0, 0));
    Settle();
    EXPECT_TRUE(control_->HoldsPicture());
    EXPECT_EQ(Drawn(), shown_);

    coverFrom(20);
    ExpectUncoveredAsBefore(*cover);
}

TEST_F(MoviePicture, HiddenOrMinimisedItIsDrawnAnewBeforeItShows) {
    control_->hide();
    Settle();
    EXPECT_FALSE(control_->HoldsPicture());
    control_->show();
    // In the show itself, before any paint.
    EXPECT_TRUE(control_->HoldsPicture());
    Settle();
    EXPECT_EQ(Drawn(), shown_);

    control_->setWindowState(Qt::WindowMinimized);
    Settle();
    EXPECT_FALSE(control_->HoldsPicture());
    control_->setWindowState(Qt::WindowNoState);
    Settle();
    EXPECT_EQ(Drawn(), shown_);
}

TEST_F(MoviePicture, AControlHiddenInASeenWindowLeavesTheWindowItsSurface) {
    QWidget window;
    window.resize(800, 600);
    control_->setParent(&window);
    window.show();
    control_->show();
    Settle();
    window.repaint();
    control_->hide();
    Settle();
    EXPECT_EQ(window.backingStore()->size(), window.size());
    control_->setParent(nullptr);
}

}  // namespace
}  // namespace xuehai::test
