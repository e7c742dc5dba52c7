// SPDX-License-Identifier: GPL-3.0-or-later
// The login as the game shows it on the display this run's offscreen screen stands for: the
// expected picture comes from XUEHAI_TEST_PICTURE ("left,top,width,height" in the
// display's own pixels); XUEHAI_TEST_WINDOWED=1 plays in a window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QQuickItem>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>

#include "ScreenRecorder.h"
#include "core/ProgramFolder.h"
#include "host/movie/Clip.h"
#include "host/movie/TShockwaveFlash.h"
#include "host/scaledwindow/ScaledWindow.h"
#include "host/services/QtPlatform.h"
#include "host/widgets/ScreenPlacement.h"
#include "shell/DisplayFit.h"
#include "shell/TForm3.h"
#include "store/DatabaseFiles.h"

namespace xuehai {
namespace {

QRectF ExpectedPicture() {
    const QStringList parts = qEnvironmentVariable("XUEHAI_TEST_PICTURE").split(QLatin1Char(','));
    if (parts.size() != 4) {
        return {};
    }
    return {parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble(), parts[3].toDouble()};
}

void Collect(QQuickItem* item, const std::function<bool(QQuickItem*)>& wanted,
             std::vector<QQuickItem*>& found) {
    if (wanted(item)) {
        found.push_back(item);
    }
    for (QQuickItem* child : item->childItems()) {
        Collect(child, wanted, found);
    }
}

// A rectangle in the window system's pixels of the primary screen.
QRectF OnDisplay(const QRectF& logical) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    const QPointF origin = screen->geometry().topLeft();
    return {(logical.topLeft() - origin) * ratio, logical.size() * ratio};
}

bool Windowed() {
    return qEnvironmentVariable("XUEHAI_TEST_WINDOWED") == QStringLiteral("1");
}

class LoginOnTheDisplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // As start-up does once the switch has not happened.
        backdrop_ = FitScreensToDisplay(Windowed(), false).release();
    }
    static void TearDownTestSuite() { delete backdrop_; }

    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(QFile::link(QStringLiteral(XUEHAI_MOVIE_SOURCES "/Xuehai"),
                                folder_.filePath(QStringLiteral("Xuehai"))));
        ASSERT_TRUE(QFile::copy(QStringLiteral(XUEHAI_MOVIE_SOURCES "/login/s1.qml"),
                                folder_.filePath(QStringLiteral("s1.mod"))));
        SetProgramFolder(folder_.path().toStdString());
        const std::filesystem::path records =
            std::filesystem::path(folder_.path().toStdString()) / "Save" / "userinfo.dat";
        std::filesystem::create_directories(records.parent_path());
        CreateDatabaseFile(records, DatabaseKind::PlayerRecords);
    }

    // The login, shown the way the title shows it, with its name box and lists up.
    std::unique_ptr<TForm3> ShowLogin() {
        auto login = std::make_unique<TForm3>(
            platform_, LoginScreens{map_.Factory(), battle_.Factory()}, nullptr);
        CoverScreen(*login, platform_.ScreenSize());
        login->show();
        login->flashloginFSCommand("2ndlogin", "");
        QTest::qWait(100);
        return login;
    }

    static inline QWindow* backdrop_ = nullptr;
    QTemporaryDir folder_;
    QtPlatform platform_{{Windowed()}};
    testing::ScreenRecorder map_;
    testing::ScreenRecorder battle_;
};

TEST_F(LoginOnTheDisplay, ThePictureFillsTheDisplayEvenlyAndCentred) {
    const QRectF expected = ExpectedPicture();
    ASSERT_FALSE(expected.isEmpty()) << "XUEHAI_TEST_PICTURE is not set";
    auto login = ShowLogin();
    EXPECT_EQ(login->size(), QSize(800, 600));
    const QRectF picture = OnDisplay(login->geometry());
    EXPECT_NEAR(picture.left(), expected.left(), 1.5);
    EXPECT_NEAR(picture.top(), expected.top(), 1.5);
    EXPECT_NEAR(picture.width(), expected.width(), 0.5);
    EXPECT_NEAR(picture.height(), expected.height(), 0.5);
    // Bars only where the picture leaves room: the backdrop covers the rest of the display.
    // A window leaves the desktop around it.
    const bool fills = QGuiApplication::primaryScreen()->geometry().size() == login->size();
    EXPECT_EQ(backdrop_ == nullptr, fills || Windowed());
    if (backdrop_) {
        EXPECT_TRUE(backdrop_->isVisible());
        EXPECT_EQ(backdrop_->geometry(), QGuiApplication::primaryScreen()->geometry());
    }
}

// The login's three controls against the fields the movie draws for them, on the display.
void ExpectControlsOnTheirFields(TForm3& login) {
    auto* movie = login.findChild<TShockwaveFlash*>();
    ASSERT_NE(movie, nullptr);
    Clip* root = movie->Target("_root");
    ASSERT_NE(root, nullptr) << "the login movie did not load";
    std::vector<QQuickItem*> frames;
    Collect(
        root,
        [](QQuickItem* item) {
            return item->property("label").isValid() && item->property("field").isValid();
        },
        frames);
    const std::map<QString, QWidget*> controls{
        {QStringLiteral("新玩家名字"), &login.EditName()},
        {QStringLiteral("选择头像"), &login.ComboBoxWindow()},
        {QStringLiteral("老玩家请选择"), &login.ComboBox1()}};
    ASSERT_EQ(frames.size(), controls.size());
    const StageMapping mapping = movie->Mapping();
    for (QQuickItem* frame : frames) {
        const QString label = frame->property("label").toString();
        SCOPED_TRACE(label.toStdString());
        ASSERT_EQ(controls.count(label), 1U);
        QWidget* control = controls.at(label);
        EXPECT_TRUE(control->isVisible());
        const QRectF field = frame->property("field").toRectF();
        const QRectF drawn(movie->mapToGlobal(mapping.ToView(field.topLeft())),
                           movie->mapToGlobal(mapping.ToView(field.bottomRight())));
        const QRectF shown = OnDisplay(drawn);
        const QRectF placed =
            OnDisplay(QRectF(control->mapToGlobal(QPoint(0, 0)), control->size()));
        const qreal pixel = QGuiApplication::primaryScreen()->devicePixelRatio();
        EXPECT_NEAR(placed.left(), shown.left(), 1.5 * pixel);
        EXPECT_NEAR(placed.top(), shown.top(), 1.5 * pixel);
        EXPECT_NEAR(placed.right(), shown.right(), 1.5 * pixel);
        EXPECT_NEAR(placed.bottom(), shown.bottom(), 1.5 * pixel);
    }
}

TEST_F(LoginOnTheDisplay, EachControlCoversTheFieldTheMovieDrawsForIt) {
    auto login = ShowLogin();
    const StageMapping mapping = login->findChild<TShockwaveFlash*>()->Mapping();
    // The stage is only stretched to the picture's 800 x 600, never beyond it.
    EXPECT_NEAR(mapping.scaleX * 792, 800, 0.01);
    EXPECT_NEAR(mapping.scaleY * 545, 600, 0.01);
    ExpectControlsOnTheirFields(*login);
}

// The player resizes the window: the picture keeps its shape between bars and the controls
// stay on their fields, where a click reaches them.
TEST_F(LoginOnTheDisplay, AResizedWindowKeepsThePictureAndItsControls) {
    if (!Windowed()) {
        GTEST_SKIP() << "only a window is resized";
    }
    struct Case {
        QSize window;
        QRect picture;
    };
    for (const Case& size :
         {Case{{1000, 900}, {0, 75, 1000, 750}}, Case{{1600, 900}, {200, 0, 1200, 900}}}) {
        SCOPED_TRACE(size.window.width());
        auto login = ShowLogin();
        login->resize(size.window);
        QTest::qWait(50);
        EXPECT_EQ(ScaledWindow::PictureOf(*login), size.picture);
        auto* movie = login->findChild<TShockwaveFlash*>();
        EXPECT_EQ(movie->geometry(), size.picture);
        ExpectControlsOnTheirFields(*login);
        // The bars lie on the sides the window has to spare.
        const QImage shot = login->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const QPoint bar = size.picture.top() > 0 ? QPoint(size.window.width() / 2, 10)
                                                  : QPoint(10, size.window.height() / 2);
        const QColor sea = shot.pixelColor(bar * ratio);
        EXPECT_LT(sea.red(), 0x10);
        EXPECT_GT(sea.blue(), 2 * sea.green());
        QLineEdit& name = login->EditName();
        const QPoint onName = name.mapTo(login.get(), name.rect().center());
        QTest::mouseClick(login->windowHandle(), Qt::LeftButton, {}, onName);
        EXPECT_TRUE(name.hasFocus());
        QTest::keyClicks(&name, QStringLiteral("xm"));
        EXPECT_EQ(name.text(), QStringLiteral("xm"));
    }
}

}  // namespace
}  // namespace xuehai
