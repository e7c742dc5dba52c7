// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "GameFolder.h"
#include "core/Errors.h"
#include "fakes/FakeMovieControl.h"
#include "fakes/FakeMusicPlayer.h"
#include "fakes/FakePlatform.h"
#include "core/ListFile.h"
#include "screens/TFrmFight.h"
#include "store/Connection.h"

namespace xuehai::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class BattleScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.WriteListFile("AliginA.cfg", {"语文", "英语", "数学", "物理", "天文"});
        // Line 4 names bank 013, so a lookup by line cannot pass for a lookup by number.
        folder_.WriteListFile("AliginB.cfg", {"001", "002", "003", "004", "013"});
    }

    TFrmFight& Screen() {
        screen_ = std::make_unique<TFrmFight>(platform_, nullptr);
        return *screen_;
    }
    fakes::FakeMovieControl& FlashFight() { return *platform_.Movie("FlashFight"); }

    // The movie raises a command; the log starts afresh, so what it holds is the command's.
    void Raise(const std::string& command) {
        platform_.ClearLog();
        FlashFight().Raise(command);
    }
    std::vector<std::string> Lines(std::string_view prefix) const {
        return platform_.Lines(prefix);
    }
    // Visibility of the eight set-up controls, in their order.
    std::vector<bool> ControlsShown() {
        TFrmFight& s = *screen_;
        return {!s.EditName1().isHidden(),      !s.EditName2().isHidden(),
                !s.ComboboxImage1().isHidden(), !s.ComboBoxImage2().isHidden(),
                !s.ComboBoxLib().isHidden(),    !s.ComboBoxNum().isHidden(),
                !s.ComboBoxMusic().isHidden(),  !s.ComboBoxBack().isHidden()};
    }
    static std::vector<bool> All(bool shown) { return std::vector<bool>(8, shown); }
    // Types the text one character at a time, as a keyboard or an input method delivers it.
    static void Type(QLineEdit& box, const QString& text) {
        for (const char32_t character : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString::fromUcs4(&character, 1));
            QApplication::sendEvent(&box, &press);
        }
    }

    GameFolder folder_;
    fakes::FakePlatform platform_;
    std::unique_ptr<TFrmFight> screen_;
};

TEST_F(BattleScreenTest, FreshScreenShowsDefaultsOverTheSetUpMovie) {
    TFrmFight& screen = Screen();
    EXPECT_THAT(platform_.Log(),
                ElementsAre("CreateMovieControl(FlashFight)", "CreateMusicPlayer(music)",
                            "FlashFight.SetMovie(" + folder_.Path() + "sd.mod)"));
    EXPECT_EQ(screen.EditName1().text(), QStringLiteral("Player1"));
    EXPECT_EQ(screen.EditName2().text(), QStringLiteral("Player2"));
    EXPECT_EQ(screen.ComboboxImage1().currentText(), QStringLiteral("1"));
    EXPECT_EQ(screen.ComboBoxImage2().currentText(), QStringLiteral("1"));
    EXPECT_EQ(screen.ComboBoxImage2().count(), 20);
    EXPECT_EQ(screen.ComboBoxLib().count(), 5);
    EXPECT_EQ(screen.ComboBoxLib().itemText(4), QStringLiteral("天文"));
    EXPECT_EQ(screen.ComboBoxLib().currentText(), QStringLiteral("语文"));
    EXPECT_EQ(screen.ComboBoxNum().currentText(), QStringLiteral("10"));
    EXPECT_EQ(screen.ComboBoxMusic().currentText(), QStringLiteral("1"));
    EXPECT_EQ(screen.ComboBoxBack().currentText(), QStringLiteral("1"));
    EXPECT_EQ(ControlsShown(), All(true));
    EXPECT_EQ(FlashFight().Settings().windowMode, WindowMode::Opaque);
    EXPECT_EQ(FlashFight().Settings().scaleMode, ScaleMode::ExactFit);
}

TEST_F(BattleScreenTest, RightNameBoxFollowsTheRightEdge) {
    TFrmFight& screen = Screen();
    screen.resize(1024, 768);
    screen.show();
    EXPECT_EQ(screen.EditName2().geometry(), QRect(733, 88, 130, 21));
    EXPECT_EQ(screen.EditName1().geometry(), QRect(168, 90, 119, 21));
    EXPECT_EQ(screen.ComboBoxBack().geometry(), QRect(550, 372, 89, 19));
    EXPECT_EQ(FlashFight().geometry(), QRect(0, 0, 1024, 768));
}

TEST_F(BattleScreenTest, NameBoxesTakeTenBytesOfCodePage936) {
    TFrmFight& screen = Screen();
    screen.EditName1().clear();
    Type(screen.EditName1(), QStringLiteral("一二三四五六"));
    EXPECT_EQ(screen.EditName1().text(), QStringLiteral("一二三四五"));
    screen.EditName2().clear();
    Type(screen.EditName2(), QStringLiteral("ab😀cdefghijkl"));
    EXPECT_EQ(screen.EditName2().text(), QStringLiteral("abcdefghij"));
}

TEST_F(BattleScreenTest, WithoutSubjectListTheSetUpStillOpens) {
    std::filesystem::remove(folder_.File("AliginA.cfg"));
    TFrmFight& screen = Screen();
    screen.show();
    const std::vector<std::string> errors = Lines("ShowError");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THAT(errors[0], HasSubstr("AliginA.cfg"));
    EXPECT_THAT(Lines("FlashFight.SetMovie"), ElementsAre(HasSubstr("sd.mod")));
    EXPECT_EQ(screen.ComboBoxLib().count(), 18);
    EXPECT_EQ(screen.ComboBoxLib().currentText(), QStringLiteral("语文"));
    EXPECT_EQ(screen.EditName2().text(), QStringLiteral("Player2"));

    Raise("fightUplevel");
    EXPECT_THAT(Lines("ShowError"), IsEmpty());
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BattleScreenTest, AvatarChoicesReachTheMovieOnlyFromThePlayers) {
    TFrmFight& screen = Screen();
    EXPECT_THAT(Lines("FlashFight.SetVariable"), IsEmpty());
    platform_.ClearLog();
    screen.ComboboxImage1().setCurrentIndex(6);
    Q_EMIT screen.ComboboxImage1().activated(6);
    screen.ComboBoxImage2().setCurrentIndex(19);
    Q_EMIT screen.ComboBoxImage2().activated(19);
    EXPECT_THAT(platform_.Log(), ElementsAre("FlashFight.SetVariable(_root.iImage1Num, 7)",
                                             "FlashFight.TPlay(_root.c_imagea)",
                                             "FlashFight.SetVariable(_root.iImage2Num, 20)",
                                             "FlashFight.TPlay(_root.c_imageb)"));
}

TEST_F(BattleScreenTest, FightStartsMusicArenaAndPassesTheSettings) {
    TFrmFight& screen = Screen();
    screen.ComboboxImage1().setCurrentIndex(6);
    screen.ComboBoxImage2().setCurrentIndex(11);
    screen.EditName1().setText(QStringLiteral("小明"));
    screen.EditName2().clear();
    screen.ComboBoxNum().setCurrentIndex(2);
    screen.ComboBoxBack().setCurrentIndex(1);
    Raise("fight");
    const std::string fight = folder_.Path() + "data\\fight\\";
    EXPECT_THAT(platform_.Log(), ElementsAre("music.SetFileName(" + fight + "1.mp3)",
                                             "music.Open(" + fight + "1.mp3)", "music.Play()",
                                             "FlashFight.LoadMovie(0, " + fight + "fight2.mod)",
                                             "FlashFight.SetVariable(_root.imageleft, 7)",
                                             "FlashFight.SetVariable(_root.imageright, 12)",
                                             "FlashFight.SetVariable(_root.name, 小明)",
                                             "FlashFight.SetVariable(_root.NameRight, )",
                                             "FlashFight.SetVariable(_root.limit, 30)"));
    EXPECT_EQ(ControlsShown(), All(false));
}

TEST_F(BattleScreenTest, MusicThatCannotOpenKeepsTheSetUp) {
    Screen();
    platform_.Music()->FailOpenOf(folder_.Path() + "data\\fight\\1.mp3", "cannot play 1.mp3");
    Raise("fight");
    EXPECT_THAT(Lines("ShowError"), ElementsAre("ShowError(cannot play 1.mp3)"));
    EXPECT_THAT(Lines("FlashFight."), IsEmpty());
    EXPECT_EQ(ControlsShown(), All(true));
}

TEST_F(BattleScreenTest, RequestServesTheChosenSubjectsQuestionInOrder) {
    folder_.MakeBank("013", 0);
    folder_.AddQuestion("013", 0, {"离太阳最近的行星是？", "水星", "金星", "火星", "木星"}, "A",
                        "2");
    TFrmFight& screen = Screen();
    screen.ComboBoxLib().setCurrentIndex(4);
    Raise("Request");
    EXPECT_THAT(platform_.Log(),
                ElementsAre("FlashFight.SetVariable(_level0.answ1, 水星)",
                            "FlashFight.SetVariable(_level0.answ2, 金星)",
                            "FlashFight.SetVariable(_level0.answ3, 火星)",
                            "FlashFight.SetVariable(_level0.answ4, 木星)",
                            "FlashFight.SetVariable(_level0.Qstn, 离太阳最近的行星是？)",
                            "FlashFight.SetVariable(_level0.Ranswer, A)",
                            "FlashFight.SetVariable(_level0.QAflag, 2)",
                            "FlashFight.SetVariable(_level0.Init.complete, 水星)",
                            "FlashFight.SetVariable(_level0.QAID, 0)"));
}

TEST_F(BattleScreenTest, BrokenCodeListStopsOnlyRequest) {
    folder_.WriteListFile("AliginB.cfg", {"001", "002"}, "\n");
    TFrmFight& screen = Screen();
    screen.show();
    screen.ComboBoxLib().setCurrentIndex(4);
    Raise("Request");
    EXPECT_THAT(Lines("ShowError"), ElementsAre(HasSubstr("AliginB.cfg")));
    EXPECT_THAT(Lines("FlashFight.SetVariable"), IsEmpty());

    std::filesystem::remove(folder_.File("AliginB.cfg"));
    Raise("Request");
    EXPECT_THAT(Lines("ShowError"), ElementsAre(HasSubstr("AliginB.cfg")));
    Raise("fight");
    Raise("exits");
    EXPECT_THAT(platform_.Log(),
                ElementsAre("FlashFight.LoadMovie(0, " + folder_.Path() + "sd.mod)"));
    Raise("fightUplevel");
    EXPECT_THAT(Lines("ShowError"), IsEmpty());
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BattleScreenTest, ExitsReturnsToSetUpAndTheNextFightReopensTheMusic) {
    TFrmFight& screen = Screen();
    Raise("fight");
    Raise("exits");
    EXPECT_THAT(platform_.Log(),
                ElementsAre("FlashFight.LoadMovie(0, " + folder_.Path() + "sd.mod)"));
    EXPECT_EQ(ControlsShown(), All(true));
    EXPECT_TRUE(platform_.Music()->IsPlaying());

    screen.ComboBoxBack().setCurrentIndex(1);
    Raise("fight");
    EXPECT_THAT(Lines("music."),
                ElementsAre(HasSubstr("SetFileName("), HasSubstr("Open("), "music.Play()"));
    EXPECT_THAT(Lines("FlashFight.LoadMovie"), ElementsAre(HasSubstr("fight2.mod")));
    EXPECT_EQ(ControlsShown(), All(false));
}

TEST_F(BattleScreenTest, FightUplevelReleasesTheMusicAndCloses) {
    TFrmFight& screen = Screen();
    screen.show();
    Raise("fight");
    Raise("fightUplevel");
    EXPECT_THAT(platform_.Log(), ElementsAre("music.Stop()", "music.Close()"));
    EXPECT_EQ(platform_.Music(), nullptr);
    EXPECT_FALSE(screen.isVisible());

    // A command the movie had queued behind it finds nothing left to do.
    Raise("fight");
    EXPECT_THAT(platform_.Log(), IsEmpty());
}

TEST_F(BattleScreenTest, LeavingBeforeAnyFightShowsNoError) {
    TFrmFight& screen = Screen();
    screen.show();
    Raise("fightUplevel");
    EXPECT_THAT(Lines("ShowError"), IsEmpty());
    EXPECT_EQ(platform_.Music(), nullptr);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BattleScreenTest, WindowCloseLeavesLikeFightUplevelAndEscDoesNot) {
    TFrmFight& screen = Screen();
    screen.show();
    Raise("fight");
    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(platform_.Music()->IsPlaying());
    screen.close();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(platform_.Music(), nullptr);
}

TEST_F(BattleScreenTest, NoCommandChangesAnyDatabase) {
    folder_.MakeRecords("小明", 120, 2, 3, 5);
    folder_.MakeBank("013", 0);
    folder_.AddQuestion("013", 0, {"问题", "甲", "乙", "丙", "丁"}, "B", "1");
    const std::string bank = "Data/Qut013/013.dat";
    const std::string records = "Save/userinfo.dat";
    const std::string bankBefore = folder_.Read(bank);
    const std::string recordsBefore = folder_.Read(records);

    TFrmFight& screen = Screen();
    screen.ComboBoxLib().setCurrentIndex(4);
    for (const char* command : {"fight", "Request", "Request", "right", "wrong", "exits", "fight",
                                "Request", "fightUplevel"}) {
        FlashFight().Raise(command);
    }
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
    ReleaseIdleConnections();
    EXPECT_EQ(folder_.Read(bank), bankBefore);
    EXPECT_EQ(folder_.Read(records), recordsBefore);
}

TEST(BattleListFile, ReadsCodePage936LinesWithEitherLineEnd) {
    GameFolder folder;
    folder.WriteListFile("AliginA.cfg", {"计算机", "", "雾桥问答"}, "\r\n");
    EXPECT_THAT(ReadListFile("AliginA.cfg"), ElementsAre("计算机", "", "雾桥问答"));
    folder.Write("AliginB.cfg", "001\n002\r\n003");
    EXPECT_THAT(ReadListFile("AliginB.cfg"), ElementsAre("001", "002", "003"));
    folder.Write("AliginB.cfg", "");
    EXPECT_THAT(ReadListFile("AliginB.cfg"), IsEmpty());
    EXPECT_THROW(ReadListFile("missing.cfg"), Error);
}

}  // namespace
}  // namespace xuehai::test
