// SPDX-License-Identifier: GPL-3.0-or-later
// The map screen's creation, its music loop and the background movie's commands.
#include <QFrame>
#include <QTest>

#include "MapScreenTest.h"
#include "core/GameGlobals.h"

namespace xuehai::test {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

using MapCreate = MapScreenTest;

TEST_F(MapCreate, StartsTheMapMusicThenBothMoviesWithThePlayer) {
    Screen();
    const std::string f = Folder();
    EXPECT_THAT(
        Lines({"music.", "FlashBack.", "MainFlash.", "ShowError"}),
        ElementsAre(
            "music.Close()", "music.SetFileName(map.mp3)", "music.Open(map.mp3)",
            "music.SetNotify(true)", "FlashBack.SetMovie(" + f + "bo.mod)",
            "MainFlash.SetMovie(" + f + "map.mod)", "MainFlash.SetVariable(_level0.Name, 小明)",
            "MainFlash.SetVariable(_level0.score, 0)", "MainFlash.SetVariable(_level0.class, 1)",
            "MainFlash.SetVariable(_level0.image, 3)", "FlashBack.SetVariable(_level0.name, 小明)",
            "FlashBack.SetVariable(_level0.score, 0)", "FlashBack.SetVariable(_level0.class, 1)",
            "FlashBack.SetVariable(_level0.image, 3)"));
    EXPECT_EQ(ReportPlayerName, kPlayer);
    EXPECT_EQ(ReportFolder, f);
}

TEST_F(MapCreate, LaysTheMapPanelInsideTheBackgroundBandAndGrowsWithTheWindow) {
    TForm1& screen = Screen();
    EXPECT_EQ(FlashBack().Settings().windowMode, WindowMode::Transparent);
    EXPECT_EQ(FlashBack().Settings().scaleMode, ScaleMode::ExactFit);
    EXPECT_EQ(MainFlash().Settings().windowMode, WindowMode::Opaque);
    EXPECT_EQ(MainFlash().parentWidget(), &screen.Panel1());
    EXPECT_EQ(FlashBack().parentWidget(), &screen.Panelback());
    screen.show();
    EXPECT_EQ(FlashBack().geometry(), QRect(0, 0, 800, 585));
    EXPECT_EQ(screen.Panel1().geometry(), QRect(90, 32, 620, 470));
    screen.resize(1024, 768);
    EXPECT_EQ(screen.Panel1().geometry(), QRect(90, 32, 844, 653));
    EXPECT_EQ(MainFlash().geometry(), QRect(0, 0, 844, 653));
    EXPECT_EQ(FlashBack().geometry(), QRect(0, 0, 1024, 768));
}

// The background around the map shows the window's carry cursor; the map itself the arrow.
TEST_F(MapCreate, TheBackgroundCarriesTheDragCursorAndTheMapTheArrow) {
    TForm1& screen = Screen();
    EXPECT_EQ(screen.cursor().shape(), Qt::DragMoveCursor);
    EXPECT_EQ(FlashBack().cursor().shape(), Qt::DragMoveCursor);
    EXPECT_EQ(MainFlash().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MapCreate, MapMusicThatCannotBeOpenedEndsTheSetUpBeforeAnyMovie) {
    platform_.failingMusic = {"map.mp3"};
    Screen();
    EXPECT_THAT(Lines({"FlashBack.", "MainFlash."}), IsEmpty());
    EXPECT_THAT(Errors(), ElementsAre("ShowError(Unknown error code)"));
    // The records were never opened: a command that needs them fails with a message.
    Raise("PigWin", "10");
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("player records")));
}

TEST_F(MapCreate, PlayerWithoutARecordStopsAfterTheMapMovieGetsTheName) {
    CurrentUserName = "无名";
    Screen();
    EXPECT_THAT(Lines({"MainFlash.SetVariable", "FlashBack.SetVariable"}),
                ElementsAre("MainFlash.SetVariable(_level0.Name, 无名)"));
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("List index out of bounds (1)")));
}

TEST_F(MapCreate, ShowingTheScreenStartsTheMusic) {
    TForm1& screen = Screen();
    platform_.ClearLog();
    screen.show();
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Play()"));
    EXPECT_TRUE(Music().IsPlaying());
}

struct GateCase {
    int playerClass;
    std::vector<std::string> masks;
};

void PrintTo(const GateCase& c, std::ostream* out) {
    *out << "class " << c.playerClass;
}

class MapClassGate : public MapScreenTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(MapClassGate, OpensTheRegionsTheClassHasEarnedAtCreationAndOnExits) {
    Run("Save/userinfo.dat",
        "UPDATE UserInfo SET UserClass=" + std::to_string(GetParam().playerClass));
    Screen();
    EXPECT_EQ(Lines({"MainFlash.TGotoFrame"}), GetParam().masks);
    MakeBank("001", 2);
    Raise("exits");
    EXPECT_EQ(Lines({"MainFlash.TGotoFrame"}), GetParam().masks);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, MapClassGate,
    ::testing::Values(GateCase{4, {}},
                      GateCase{5, {"MainFlash.TGotoFrame(_root.Map.mpin.mask2, 2)"}},
                      GateCase{9, {"MainFlash.TGotoFrame(_root.Map.mpin.mask2, 2)"}},
                      GateCase{10,
                               {"MainFlash.TGotoFrame(_root.Map.mpin.mask2, 2)",
                                "MainFlash.TGotoFrame(_root.Map.mpin.mask3, 2)"}}));

using MapMusic = MapScreenTest;

TEST_F(MapMusic, TrackThatEndsStartsOver) {
    Screen().show();
    platform_.ClearLog();
    Music().FireNotify();
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Play()", "music.Play()"));
}

TEST_F(MapMusic, ChangeOfTrackSwallowsOneNotificationAndArmsTheLoop) {
    MakeBank("001", 2);
    Screen().show();
    Raise("map", "001");
    ASSERT_THAT(Errors(), IsEmpty());
    platform_.ClearLog();
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), IsEmpty());
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Play()"));
}

TEST_F(MapMusic, QuestionRequestArmsTheLoopAgain) {
    MakeBank("001", 0);
    AddQuestion("001", 0, {"问", "甲", "乙", "丙", "丁"}, "A", "1");
    Screen().show();
    Raise("map", "001");
    Raise("Request");
    platform_.ClearLog();
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Play()"));
}

using MapBackground = MapScreenTest;

TEST_F(MapBackground, EdgeCommandsScrollTheMapWhileThePointerIsOnAnEdge) {
    Screen();
    const std::vector<std::pair<std::string, int>> cases = {
        {"topover", 1}, {"downover", 2}, {"leftover", 3}, {"rightover", 4},
        {"topout", 0},  {"downout", 0},  {"leftout", 0},  {"rightout", 0}};
    for (const auto& [command, frame] : cases) {
        platform_.ClearLog();
        FlashBack().Raise(command);
        EXPECT_THAT(platform_.Log(), ElementsAre("MainFlash.TGotoFrame(_root.scroll, " +
                                                 std::to_string(frame) + ")"))
            << command;
    }
}

TEST_F(MapBackground, CommandsAreCaseSensitive) {
    Screen();
    platform_.ClearLog();
    FlashBack().Raise("Topover");
    FlashBack().Raise("printstatus");
    EXPECT_THAT(platform_.Log(), IsEmpty());
}

TEST_F(MapBackground, UplevelSilencesTheMusicAndLeavesForTheLoginScreen) {
    TForm1& screen = Screen();
    screen.show();
    platform_.ClearLog();
    FlashBack().Raise("uplevel");
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Stop()", "music.Close()"));
    ASSERT_THAT(loginOwners_, ElementsAre(&screen));
    auto* login = screen.findChild<QDialog*>();
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(screen.isVisible());
    // The stopped track reports its end; the closed player must stay silent.
    Music().FireNotify();
    EXPECT_THAT(Lines({"music.Play"}), IsEmpty());
    EXPECT_THAT(Errors(), IsEmpty());
}

TEST_F(MapBackground, UplevelWorksWhenTheSubjectMusicCouldNotBeOpened) {
    MakeBank("001", 2);
    platform_.failingMusic = {Folder() + "Data\\Qut001\\001.mp3"};
    TForm1& screen = Screen();
    screen.show();
    Raise("map", "001");
    ASSERT_EQ(Errors().size(), 1u);
    platform_.ClearLog();
    FlashBack().Raise("uplevel");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_EQ(loginOwners_.size(), 1u);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MapBackground, WindowCloseLeavesTheWayUplevelDoes) {
    TForm1& screen = Screen();
    screen.show();
    platform_.ClearLog();
    screen.close();
    EXPECT_THAT(Lines({"music."}), ElementsAre("music.Stop()", "music.Close()"));
    EXPECT_EQ(loginOwners_.size(), 1u);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(MapBackground, EscapeDoesNotCloseTheMap) {
    TForm1& screen = Screen();
    screen.show();
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(loginOwners_.empty());
}

TEST_F(MapBackground, PrintStatusOpensAReportOnTopThatStaysWithTheMap) {
    TForm1& screen = Screen();
    ReportPlayerName = "别人";
    ReportFolder = "/elsewhere/";
    FlashBack().Raise("PrintStatus");
    FlashBack().Raise("PrintStatus");
    EXPECT_EQ(ReportPlayerName, kPlayer);
    EXPECT_EQ(ReportFolder, Folder());
    ASSERT_THAT(reportOwners_, ElementsAre(&screen, &screen));
    ASSERT_EQ(reports_.size(), 2u);
    for (const QPointer<QDialog>& report : reports_) {
        ASSERT_FALSE(report.isNull());
        EXPECT_TRUE(report->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(report->result(), QDialog::Accepted);
    }
    screen_.reset();
    EXPECT_TRUE(reports_[0].isNull());
    EXPECT_TRUE(reports_[1].isNull());
}

}  // namespace xuehai::test
