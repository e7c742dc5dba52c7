// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <filesystem>

#include "ScreenRecorder.h"
#include "SqlProbe.h"
#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "fakes/FakeMovieControl.h"
#include "fakes/FakePlatform.h"
#include "shell/DesktopMode.h"
#include "shell/TForm3.h"
#include "store/DatabaseFiles.h"
#include "store/TuserInfo.h"

namespace xuehai {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class LoginScreen : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(folder_.path().toStdString());
        std::filesystem::create_directories(Records().parent_path());
        CreateDatabaseFile(Records(), DatabaseKind::PlayerRecords);
        CurrentUserName.clear();
    }

    std::filesystem::path Records() const {
        return std::filesystem::path(folder_.path().toStdString()) / "Save" / "userinfo.dat";
    }

    void Register(const std::string& name, int avatar) {
        TuserInfo(Records().string()).AddUser(name, avatar);
    }

    std::vector<std::string> PlayerData(const std::string& name) {
        return TuserInfo(Records().string()).GetUserData(name);
    }

    std::unique_ptr<TForm3> Open() {
        auto login = std::make_unique<TForm3>(
            platform_, LoginScreens{map_.Factory(), battle_.Factory()}, nullptr);
        movie_ = platform_.Movie("flashlogin");
        movie_->Preset("iImageNum", "1");
        return login;
    }

    void Raise(const std::string& command) { movie_->Raise(command); }

    QTemporaryDir folder_;
    fakes::FakePlatform platform_;
    testing::ScreenRecorder map_;
    testing::ScreenRecorder battle_;
    fakes::FakeMovieControl* movie_ = nullptr;
};

TEST_F(LoginScreen, StartsWithTheMovieTheKnownPlayersAndHiddenControls) {
    Register("小明", 3);
    Register("Lily", 5);
    auto login = Open();
    EXPECT_THAT(platform_.Lines("flashlogin.SetMovie"),
                ElementsAre("flashlogin.SetMovie(" + ProgramFolder() + "s1.mod)"));
    ASSERT_EQ(login->ComboBox1().count(), 2);
    EXPECT_EQ(login->ComboBox1().currentIndex(), -1);
    EXPECT_EQ(login->ComboBoxWindow().count(), 20);
    EXPECT_EQ(login->ComboBoxWindow().currentIndex(), -1);
    EXPECT_FALSE(login->EditName().isVisibleTo(login.get()));
    EXPECT_FALSE(login->ComboBox1().isVisibleTo(login.get()));
    EXPECT_FALSE(login->ComboBoxWindow().isVisibleTo(login.get()));
}

TEST_F(LoginScreen, SecondLoginShowsTheControlsWithAvatarOneAndNoPick) {
    Register("小明", 3);
    auto login = Open();
    login->ComboBox1().setCurrentIndex(0);
    login->EditName().setText(QStringLiteral("kept"));
    Raise("2ndlogin");
    EXPECT_EQ(login->ComboBoxWindow().currentText(), QStringLiteral("1"));
    EXPECT_EQ(login->ComboBox1().currentIndex(), -1);
    EXPECT_EQ(login->EditName().text(), QStringLiteral("kept"));
    EXPECT_TRUE(login->EditName().isVisibleTo(login.get()));
    EXPECT_TRUE(login->ComboBox1().isVisibleTo(login.get()));
    EXPECT_TRUE(login->ComboBoxWindow().isVisibleTo(login.get()));

    Raise("return");
    EXPECT_FALSE(login->EditName().isVisibleTo(login.get()));
    EXPECT_FALSE(login->ComboBox1().isVisibleTo(login.get()));
    EXPECT_FALSE(login->ComboBoxWindow().isVisibleTo(login.get()));
}

TEST_F(LoginScreen, PickingAnAvatarPlaysItsPreview) {
    auto login = Open();
    platform_.ClearLog();
    login->ComboBoxWindow().setCurrentIndex(6);
    login->ComboBoxWindowChange();
    EXPECT_THAT(platform_.Log(), ElementsAre("flashlogin.SetVariable(iImageNum, 7)",
                                             "flashlogin.TPlay(_root.image)"));
}

TEST_F(LoginScreen, EnterMapWithAPickedPlayerEntersAsThatPlayerAndWritesNothing) {
    Register("小明", 3);
    auto login = Open();
    login->EditName().setText(QStringLiteral("小红"));
    login->ComboBox1().setCurrentIndex(0);
    Raise("entermap");
    EXPECT_EQ(CurrentUserName, "小明");
    ASSERT_EQ(map_.Shown().size(), 1u);
    EXPECT_FALSE(map_.Shown()[0].onTop);
    EXPECT_EQ(map_.Shown()[0].owner, login.get());
    EXPECT_EQ(map_.Shown()[0].geometry.size(), QSize(800, 600));
    EXPECT_THAT(PlayerData("小红"), IsEmpty());
}

TEST_F(LoginScreen, EnterMapWithANewNameRegistersItWithTheMoviesAvatar) {
    auto login = Open();
    movie_->Preset("iImageNum", "12");
    login->EditName().setText(QStringLiteral("小红"));
    Raise("entermap");
    EXPECT_THAT(PlayerData("小红"), ElementsAre("小红", "0", "1", "12"));
    ASSERT_EQ(login->ComboBox1().count(), 1);
    EXPECT_EQ(login->ComboBox1().itemText(0), QStringLiteral("小红"));
    EXPECT_EQ(login->ComboBox1().currentIndex(), -1);
    ASSERT_EQ(map_.Shown().size(), 1u);
    EXPECT_FALSE(map_.Shown()[0].onTop);
}

TEST_F(LoginScreen, NewPlayerPathsRefuseEmptyAndTakenNames) {
    Register("小明", 3);
    auto login = Open();
    for (const char* command : {"entermap", "enternewer"}) {
        platform_.ClearLog();
        login->EditName().clear();
        Raise(command);
        EXPECT_THAT(platform_.Lines("Show"), ElementsAre("ShowMessage(请输入用户名)")) << command;

        platform_.ClearLog();
        login->EditName().setText(QStringLiteral("小明"));
        Raise(command);
        EXPECT_THAT(platform_.Lines("Show"), ElementsAre("ShowMessage(用户已经存在了喔！)"))
            << command;
        EXPECT_EQ(CurrentUserName, "小明");
    }
    EXPECT_THAT(map_.Shown(), IsEmpty());
    EXPECT_THAT(PlayerData("小明"), ElementsAre("小明", "0", "1", "3"));
}

TEST_F(LoginScreen, EnterNewerRegistersWithAvatarOneOnTopAndLeavesTheListAlone) {
    auto login = Open();
    movie_->Preset("iImageNum", "9");
    login->EditName().setText(QStringLiteral("Tom"));
    Raise("enternewer");
    EXPECT_THAT(PlayerData("Tom"), ElementsAre("Tom", "0", "1", "1"));
    EXPECT_EQ(login->ComboBox1().count(), 0);
    ASSERT_EQ(map_.Shown().size(), 1u);
    EXPECT_TRUE(map_.Shown()[0].onTop);
}

TEST_F(LoginScreen, AfterSecondLoginATypedNameIsTreatedAsNew) {
    Register("小明", 3);
    auto login = Open();
    login->ComboBox1().setCurrentIndex(0);
    Raise("2ndlogin");
    login->EditName().setText(QStringLiteral("小刚"));
    Raise("entermap");
    EXPECT_EQ(CurrentUserName, "小刚");
    EXPECT_EQ(PlayerData("小刚").size(), 4u);
}

TEST_F(LoginScreen, AnAvatarThatIsNoNumberShowsTheErrorAndWritesNoRecord) {
    auto login = Open();
    movie_->Preset("iImageNum", "");
    login->EditName().setText(QStringLiteral("小红"));
    Raise("entermap");
    EXPECT_EQ(platform_.Lines("ShowError").size(), 1u);
    EXPECT_THAT(PlayerData("小红"), IsEmpty());
    EXPECT_THAT(map_.Shown(), IsEmpty());
}

TEST_F(LoginScreen, RecordsLockedByAnotherProgramRegisterNobodyAfterTwoSecondsAndSaySo) {
    auto login = Open();
    for (const char* command : {"entermap", "enternewer"}) {
        platform_.ClearLog();
        testing::ForeignLock lock(Records(), testing::ForeignLock::Kind::Write);
        login->EditName().setText(QStringLiteral("小红"));
        QElapsedTimer clock;
        clock.start();
        Raise(command);
        EXPECT_LT(clock.elapsed(), 2600) << command;
        EXPECT_THAT(platform_.Lines("Show"),
                    ElementsAre(HasSubstr("新玩家没有登记上：游戏的记录文件正被另一个程序占用")))
            << command;
        lock.Release();
        EXPECT_THAT(PlayerData("小红"), IsEmpty()) << command;
    }
    EXPECT_THAT(map_.Shown(), IsEmpty());
    platform_.ClearLog();
    Raise("entermap");
    EXPECT_THAT(platform_.Lines("Show"), IsEmpty());
    EXPECT_THAT(PlayerData("小红"), ElementsAre("小红", "0", "1", "1"));
}

TEST_F(LoginScreen, TwoPlayersOpensTheBattleOverTheWholeScreen) {
    auto login = Open();
    platform_.SetScreenSize({1024, 768});
    Raise("twop");
    ASSERT_EQ(battle_.Shown().size(), 1u);
    EXPECT_EQ(battle_.Shown()[0].geometry.size(), QSize(1024, 768));
    EXPECT_EQ(battle_.Shown()[0].owner, login.get());
}

TEST_F(LoginScreen, ExitRestoresTheSavedSizeAt85HzThenEnds) {
    SavedScreenWidth = 800;
    SavedScreenHeight = 600;
    auto login = Open();
    platform_.ClearLog();
    Raise("exit");
    EXPECT_THAT(platform_.Log(), ElementsAre("SetDisplayMode(800, 600, 85)", "Terminate()"));
}

TEST_F(LoginScreen, ExitFallsBackToTheDesktopsOwnRateWhenStartUpHadSwitched) {
    platform_.SetCurrentDisplayMode(DisplayMode{1024, 768, 60});
    DesktopMode::Remember(platform_);
    DesktopMode::SetSwitched(true);
    SavedScreenWidth = 1024;
    SavedScreenHeight = 768;
    platform_.SetDisplayModeResult(false);
    auto login = Open();
    platform_.ClearLog();
    Raise("exit");
    EXPECT_THAT(platform_.Log(), ElementsAre("SetDisplayMode(1024, 768, 85)",
                                             "SetDisplayMode(1024, 768, 60)", "Terminate()"));
    DesktopMode::SetSwitched(false);
}

TEST_F(LoginScreen, CommandsAreCaseSensitive) {
    auto login = Open();
    platform_.ClearLog();
    for (const char* command : {"EXIT", "Exit", "2ndLogin", "TWOP"}) {
        Raise(command);
    }
    EXPECT_THAT(platform_.Log(), IsEmpty());
}

TEST_F(LoginScreen, AWindowCloseEndsTheRunLikeExit) {
    SavedScreenWidth = 800;
    SavedScreenHeight = 600;
    auto login = Open();
    platform_.ClearLog();
    QCloseEvent close;
    QCoreApplication::sendEvent(login.get(), &close);
    EXPECT_THAT(platform_.Log(), ElementsAre("SetDisplayMode(800, 600, 85)", "Terminate()"));
}

TEST_F(LoginScreen, TheNameBoxHoldsTenCodePageBytes) {
    auto login = Open();
    QLineEdit& name = login->EditName();
    name.setText(QString());
    name.insert(QStringLiteral("一二三四五"));
    EXPECT_EQ(name.text(), QStringLiteral("一二三四五"));
    name.insert(QStringLiteral("a"));
    EXPECT_EQ(name.text(), QStringLiteral("一二三四五"));

    name.setText(QString());
    name.insert(QStringLiteral("😀"));
    EXPECT_TRUE(name.text().isEmpty());
}

TEST_F(LoginScreen, ListsMoveWithTheRightEdgeAndTheNameBoxStays) {
    auto login = Open();
    login->resize(1024, 768);
    login->show();
    EXPECT_EQ(login->ComboBoxWindow().pos(), QPoint(570 + 1024 - 792, 174));
    EXPECT_EQ(login->ComboBox1().pos(), QPoint(576 + 1024 - 792, 296));
    EXPECT_EQ(login->EditName().pos(), QPoint(566, 115));
}

}  // namespace
}  // namespace xuehai
