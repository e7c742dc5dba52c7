// SPDX-License-Identifier: GPL-3.0-or-later
// A screen in a window the player resizes: its design layout scaled evenly into the window.
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "host/scaledwindow/ScaledWindow.h"
#include "host/scaledwindow/WindowPicture.h"

namespace xuehai {
namespace {

TEST(WindowPicture, FitsTheDesignEvenlyAndCentresItBetweenBars) {
    const WindowPicture tall({800, 600}, {1000, 900});
    EXPECT_DOUBLE_EQ(tall.Scale(), 1.25);
    EXPECT_EQ(tall.Area(), QRect(0, 75, 1000, 750));
    const WindowPicture wide({800, 600}, {1600, 900});
    EXPECT_DOUBLE_EQ(wide.Scale(), 1.5);
    EXPECT_EQ(wide.Area(), QRect(200, 0, 1200, 900));
    // The report is no 4:3 screen; it keeps its own shape.
    EXPECT_EQ(WindowPicture({638, 509}, {1276, 1100}).Area(), QRect(0, 41, 1276, 1018));
    EXPECT_EQ(WindowPicture({800, 600}, {800, 600}).Area(), QRect(0, 0, 800, 600));
}

TEST(WindowPicture, RectanglesThatTouchInTheDesignStillTouch) {
    // At 1.8 a naive rounding of position and size leaves one-pixel gaps and overlaps.
    const WindowPicture picture({800, 600}, {1440, 1080});
    for (int x = 0; x < 100; x += 7) {
        const QRect left = picture.Place(QRect(x, 3, 13, 9));
        const QRect right = picture.Place(QRect(x + 13, 12, 5, 9));
        EXPECT_EQ(left.right() + 1, right.left()) << x;
        EXPECT_EQ(left.bottom() + 1, right.top()) << x;
    }
}

TEST(WindowPicture, FontsScaleInTheUnitTheyWereGivenIn) {
    const WindowPicture picture({800, 600}, {1200, 900});
    QFont points(QStringLiteral("Noto Sans CJK SC"));
    points.setPointSize(12);
    EXPECT_DOUBLE_EQ(picture.Scaled(points).pointSizeF(), 18);
    QFont pixels = points;
    pixels.setPixelSize(15);
    EXPECT_EQ(picture.Scaled(pixels).pixelSize(), 23);
    EXPECT_EQ(picture.Scaled(pixels).family(), points.family());
}

// A screen laid out the way the game's forms are: a panel inside margins that its own
// resize handler stretches, a name box and a label in a font of their own.
class Screen : public QDialog {
public:
    Screen() {
        panel = new QFrame(this);
        label = new QLabel(QStringLiteral("名字"), panel);
        label->setGeometry(10, 10, 100, 20);
        QFont font = label->font();
        font.setPointSize(12);
        label->setFont(font);
        name = new QLineEdit(this);
        name->setGeometry(566, 115, 121, 20);
        resize(800, 600);
    }
    QFrame* panel;
    QLabel* label;
    QLineEdit* name;

protected:
    void resizeEvent(QResizeEvent*) override {
        panel->setGeometry(90, 32, width() - 180, height() - 130);
    }
};

class ScaledWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ScaledWindow::Enable(); }

    std::unique_ptr<Screen> Shown() {
        auto screen = std::make_unique<Screen>();
        ScaledWindow::Adopt(*screen);
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return screen;
    }
};

TEST_F(ScaledWindowTest, TheDesignLayoutScalesIntoAWideWindowNotTheScreensOwn) {
    auto screen = Shown();
    EXPECT_FALSE(screen->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(screen->panel->geometry(), QRect(90, 32, 620, 470));
    screen->resize(1600, 900);
    EXPECT_EQ(ScaledWindow::PictureOf(*screen), QRect(200, 0, 1200, 900));
    EXPECT_DOUBLE_EQ(ScaledWindow::ScaleOf(screen->name), 1.5);
    // The panel keeps its design margins, scaled; it is not stretched to 1600 wide.
    EXPECT_EQ(screen->panel->geometry(), QRect(335, 48, 930, 705));
    EXPECT_EQ(screen->label->geometry(), QRect(15, 15, 150, 30));
    EXPECT_EQ(screen->name->geometry(), QRect(1049, 173, 182, 30));
    EXPECT_DOUBLE_EQ(screen->label->font().pointSizeF(), 18);
    EXPECT_DOUBLE_EQ(screen->name->font().pointSizeF(), QApplication::font().pointSizeF() * 1.5);
    // Back at the design size everything is where it was designed.
    screen->resize(800, 600);
    EXPECT_EQ(screen->panel->geometry(), QRect(90, 32, 620, 470));
    EXPECT_EQ(screen->name->geometry(), QRect(566, 115, 121, 20));
}

TEST_F(ScaledWindowTest, BarsAreDeepSeaAndThePictureIsTheScreens) {
    auto screen = Shown();
    screen->resize(1000, 900);
    const QImage shot = screen->grab().toImage();
    const QColor bar = shot.pixelColor(500, 30);
    EXPECT_LT(bar.red(), 0x10);
    EXPECT_GT(bar.blue(), 0x90);
    EXPECT_EQ(shot.pixelColor(500, 870).blue() < bar.blue(), true) << "darker at the bottom";
    EXPECT_EQ(shot.pixelColor(500, 450), screen->palette().window().color());
}

TEST_F(ScaledWindowTest, AClickWhereAControlIsShownReachesIt) {
    auto screen = Shown();
    screen->resize(1600, 900);
    QWindow* window = screen->windowHandle();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(1049 + 90, 173 + 15));
    EXPECT_TRUE(screen->name->hasFocus());
    QTest::keyClicks(screen->name, QStringLiteral("ab"));
    EXPECT_EQ(screen->name->text(), QStringLiteral("ab"));
}

TEST_F(ScaledWindowTest, TheNextScreenOpensWhereThePlayerLeftTheLastWindow) {
    QRect left;
    {
        auto screen = Shown();
        // As the window system reports a drag of the frame.
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            screen->windowHandle(), QRect(40, 30, 1200, 700));
        left = screen->geometry();
        EXPECT_EQ(left, QRect(40, 30, 1200, 700));
        EXPECT_EQ(ScaledWindow::PictureOf(*screen), QRect(133, 0, 933, 700));
    }
    auto next = std::make_unique<Screen>();
    EXPECT_EQ(ScaledWindow::Adopt(*next), ScaledWindow::Placement::Keep);
    next->show();
    EXPECT_EQ(next->geometry(), left);
    EXPECT_EQ(next->panel->geometry().width(), 723);
    // Handed over again, it stays where it is.
    EXPECT_EQ(ScaledWindow::Adopt(*next), ScaledWindow::Placement::Keep);
}

}  // namespace
}  // namespace xuehai
