// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColor>
#include <QImage>
#include <QPointer>

#include "MovieTestSupport.h"
#include "core/Errors.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

QByteArray Square(const char* color, int size) {
    return MovieWith(QByteArray("Rectangle { width: ") + QByteArray::number(size) +
                     "; height: " + QByteArray::number(size) + "; color: \"" + color + "\" }");
}

const QByteArray kLeave = R"(
    function leave() { Movie.fscommand("exits", ""); Movie.unload(); root.vars.after = "ran" }
)";
const QByteArray kLeaving = MovieWith(kLeave);

class MovieLevels : public MovieTest {
protected:
    QColor PixelAt(TShockwaveFlash& control, int x, int y) {
        return control.grabFramebuffer().pixelColor(x, y);
    }
};

TEST_F(MovieLevels, StackByNumberAndHideOneByOne) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("base.mod"), Square("red", 800)));
    control->LoadMovie(2, Write(QStringLiteral("top.mod"), Square("lime", 50)));
    control->LoadMovie(1, Write(QStringLiteral("middle.mod"), Square("blue", 100)));

    EXPECT_EQ(PixelAt(*control, 25, 25), QColor(Qt::green));
    EXPECT_EQ(PixelAt(*control, 75, 75), QColor(Qt::blue));
    EXPECT_EQ(PixelAt(*control, 400, 300), QColor(Qt::red));

    control->TSetProperty("_level0", 7, "0");
    EXPECT_EQ(PixelAt(*control, 75, 75), QColor(Qt::blue));
    EXPECT_EQ(PixelAt(*control, 400, 300), QColor(Qt::white));
    control->TSetProperty("_level0", 7, "1");
    EXPECT_EQ(PixelAt(*control, 400, 300), QColor(Qt::red));
}

TEST_F(MovieLevels, VisibilityTakesNumbersOnly) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("q.mod"), MovieWith(R"(
        Clip { objectName: "Mcjudge"; visible: false }
    )")));
    Clip* judge = control->Target("_root.Mcjudge");

    control->TSetProperty("_level0.Mcjudge", 7, "1");
    EXPECT_TRUE(judge->isVisible());
    control->TSetProperty("_level0.Mcjudge", 7, "yes");
    control->TSetProperty("_level0.Mcjudge", 6, "0");
    EXPECT_TRUE(judge->isVisible());
    control->TSetProperty("_level0.Mcjudge", 7, "0.0");
    EXPECT_FALSE(judge->isVisible());
    control->TSetProperty("_level0.Mcjudge", 7, "2");
    EXPECT_TRUE(judge->isVisible());
}

TEST_F(MovieLevels, SetMovieReplacesEveryLevelAtOnce) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("bo.mod"), kLeaving));
    control->LoadMovie(1, Write(QStringLiteral("pig.mod"), kLeaving));
    QPointer<Clip> oldBase = control->Target("_level0");
    QPointer<Clip> oldTop = control->Target("_level1");

    control->SetMovie(Write(QStringLiteral("sd.mod"), MovieWith(R"(
        property string greeting: root.vars.name ?? ""
        onVariableSet: (name, value) => Movie.fscommand("heard", name + "=" + value)
    )")));
    control->SetVariable("_root.name", "小明");

    EXPECT_EQ(control->Target("_root")->property("greeting").toString(), QStringLiteral("小明"));
    EXPECT_EQ(control->Target("_level1"), nullptr);
    EXPECT_FALSE(oldTop.isNull()) << "unloading waits for the event loop";
    Settle();
    EXPECT_TRUE(oldBase.isNull());
    EXPECT_TRUE(oldTop.isNull());
    EXPECT_EQ(commands_, (decltype(commands_){{"heard", "name=小明"}}));
}

TEST_F(MovieLevels, LoadMovieReplacesOneLevelAndFindsBareNames) {
    auto control = MakeControl();
    Write(QStringLiteral("sd.mod"), MovieWith("objectName: \"setup\""));
    Write(QStringLiteral("data/fight/fight1.mod"), MovieWith(kLeave));
    control->LoadMovie(0, "sd.mod");
    control->LoadMovie(1, "data\\FIGHT\\fight1.mod");
    QPointer<Clip> first = control->Target("_level1");
    control->LoadMovie(1, "DATA\\fight\\fight1.mod");

    ASSERT_NE(control->Target("_level1"), nullptr);
    EXPECT_NE(control->Target("_level1"), first.data());
    EXPECT_EQ(control->Target("_level0")->objectName(), QStringLiteral("setup"));
    ASSERT_FALSE(first.isNull());
    EXPECT_FALSE(first->parentItem()->isVisible()) << "a replaced level is out of sight at once";

    // The replaced movie's own unload must not take its successor with it.
    ASSERT_TRUE(QMetaObject::invokeMethod(first.data(), "leave"));
    Settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(control->Target("_level1"), nullptr);
}

TEST_F(MovieLevels, PathsOutsideTheGameFolderAreRefused) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), MovieWith("")));
    control->LoadMovie(1, Write(QStringLiteral("quiz.mod"), MovieWith("")));
    Clip* quiz = control->Target("_level1");

    EXPECT_THROW(control->LoadMovie(1, "Data\\..\\..\\outside.mod"), PathError);
    EXPECT_THROW(control->SetMovie("/etc/hostname"), PathError);
    EXPECT_THROW(control->LoadMovie(-1, "quiz.mod"), Error);
    EXPECT_EQ(control->Target("_level1"), quiz);
    EXPECT_NE(control->Target("_level0"), nullptr);
}

TEST_F(MovieLevels, ABadDocumentLeavesItsLevelEmpty) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), MovieWith("")));
    Write(QStringLiteral("broken.mod"), "import QtQuick\nimport Xuehai.Movie\nClip { width: ");
    Write(QStringLiteral("item.mod"), "import QtQuick\nItem { Component.onCompleted: {} }\n");
    Write(QStringLiteral("unknown.mod"), "import QtQuick\nimport Xuehai.Movie\nClip { Nope {} }\n");

    for (const char* bad : {"broken.mod", "item.mod", "unknown.mod", "missing.mod"}) {
        control->LoadMovie(1, Write(QStringLiteral("good.mod"), MovieWith("")));
        control->LoadMovie(1, bad);
        EXPECT_EQ(control->Target("_level1"), nullptr) << bad;
        control->SetVariable("_level1.Qstn", "x");
        EXPECT_EQ(control->GetVariable("_level1.Qstn"), "") << bad;
    }
    EXPECT_NE(control->Target("_level0"), nullptr);
    control->SetMovie("item.mod");
    EXPECT_EQ(control->Target("_level0"), nullptr);
    Settle();
}

TEST_F(MovieLevels, AMovieUnloadsItsOwnLevelAfterItsScript) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), MovieWith("")));
    control->LoadMovie(1, Write(QStringLiteral("Data/Qut001/Q001.mod"), kLeaving));
    QPointer<Clip> quiz = control->Target("_level1");

    ASSERT_TRUE(QMetaObject::invokeMethod(quiz.data(), "leave"));

    ASSERT_FALSE(quiz.isNull());
    EXPECT_EQ(quiz->Variable(QStringLiteral("after")), QStringLiteral("ran"));
    EXPECT_EQ(control->Target("_level1"), nullptr);
    Settle();
    EXPECT_TRUE(quiz.isNull());
    EXPECT_EQ(commands_, (decltype(commands_){{"exits", ""}}));
}

}  // namespace
}  // namespace xuehai::test
