// SPDX-License-Identifier: GPL-3.0-or-later
#include <QQuickItem>
#include <string>
#include <vector>

#include "MovieScene.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

class BattleMovie : public MovieScene {
protected:
    // Loads an arena and sets what the battle screen's "fight" sets right after loading.
    void Fight(const char* arena, const std::string& limit) {
        Play(MovieSource(QStringLiteral("fight/%1.qml").arg(QLatin1String(arena))),
             QStringLiteral("data/fight/%1.mod").arg(QLatin1String(arena)));
        control_->SetVariable("_root.imageleft", "7");
        control_->SetVariable("_root.imageright", "12");
        control_->SetVariable("_root.name", "小明");
        control_->SetVariable("_root.NameRight", "");
        control_->SetVariable("_root.limit", limit);
        Settle();
        arena_ = WithProperty("leftScore");
        ASSERT_NE(arena_, nullptr);
    }

    // Waits for the next "Request" and answers it as the host does.
    void Serve(const std::string& right,
               const std::vector<std::string>& answers = {"上海", "北京", "广州", "深圳"}) {
        ASSERT_TRUE(WaitFor([&] { return Requests() > served_; }, 8000));
        served_ += 1;
        control_->SetVariable("_level0.answ1", answers[0]);
        control_->SetVariable("_level0.answ2", answers[1]);
        control_->SetVariable("_level0.answ3", answers[2]);
        control_->SetVariable("_level0.answ4", answers[3]);
        control_->SetVariable("_level0.Qstn", "中国的首都是哪里？");
        control_->SetVariable("_level0.Ranswer", right);
        control_->SetVariable("_level0.QAflag", "1");
        control_->SetVariable("_level0.Init.complete", "上海");
        control_->SetVariable("_level0.QAID", "17");
        Settle();
    }

    int Requests() const {
        int count = 0;
        for (const auto& [command, args] : commands_) {
            count += command == "Request" ? 1 : 0;
        }
        return count;
    }

    int Score(const char* side) const { return arena_->property(side).toInt(); }
    QString Phase() const { return arena_->property("phase").toString(); }

    QQuickItem* arena_ = nullptr;
    int served_ = 0;
};

TEST_F(BattleMovie, ShowsThePlayersTheHostNamedAndFillsInAMissingName) {
    Fight("fight1", "10");
    EXPECT_EQ(arena_->property("leftName").toString(), QStringLiteral("小明"));
    EXPECT_EQ(arena_->property("rightName").toString(), QStringLiteral("玩家二"));
    EXPECT_EQ(arena_->property("leftAvatar").toString(), QStringLiteral("7"));
    EXPECT_EQ(arena_->property("rightAvatar").toString(), QStringLiteral("12"));
}

TEST_F(BattleMovie, TakesTheNumberOfQuestionsFromTheLimitWithinReason) {
    Fight("fight2", "30");
    EXPECT_EQ(arena_->property("limit").toInt(), 30);
    for (const auto& [limit, expected] : std::vector<std::pair<std::string, int>>{
             {"abc", 10}, {"", 10}, {"0", 10}, {"-3", 10}, {"500", 99}}) {
        control_->SetVariable("_root.limit", limit);
        EXPECT_EQ(arena_->property("limit").toInt(), expected) << limit;
    }
}

TEST_F(BattleMovie, TheFirstRightAnswerScoresForThatPlayerOnly) {
    Fight("fight1", "10");
    Serve("B");
    Press(Qt::Key_K);
    Press(Qt::Key_S);
    EXPECT_EQ(Score("rightScore"), 10);
    EXPECT_EQ(Score("leftScore"), 0);
    Serve("D");
    EXPECT_EQ(Phase(), QStringLiteral("asking"));
    Press(Qt::Key_F);
    EXPECT_EQ(Score("leftScore"), 10);
}

TEST_F(BattleMovie, AWrongAnswerHandsTheQuestionToTheOtherPlayer) {
    Fight("fight2", "10");
    Serve("C");
    Press(Qt::Key_A);
    Press(Qt::Key_D);
    EXPECT_EQ(Score("leftScore"), 0) << "a player who missed has no second try";
    EXPECT_EQ(Phase(), QStringLiteral("asking"));
    Press(Qt::Key_Down);
    EXPECT_EQ(Score("rightScore"), 10) << "the arrow keys answer for the right player";

    Serve("A");
    Press(Qt::Key_Semicolon);
    Press(Qt::Key_S);
    EXPECT_EQ(Phase(), QStringLiteral("revealed")) << "both missed";
    EXPECT_EQ(Score("leftScore") + Score("rightScore"), 10);
}

TEST_F(BattleMovie, AfterTheLimitTheWinnerIsShownAndLeavingIsRaisedOnce) {
    Fight("fight1", "1");
    Serve("A");
    Press(Qt::Key_A);
    ASSERT_TRUE(WaitFor([this] { return Phase() == QStringLiteral("over"); }));
    EXPECT_EQ(Requests(), 1);

    ClickButton(QStringLiteral("再来一局"));
    ClickButton(QStringLiteral("离开"));
    EXPECT_EQ(commands_.back(), (std::pair<std::string, std::string>{"exits", ""}));
    EXPECT_EQ(Requests() + 1, static_cast<int>(commands_.size()));
}

TEST_F(BattleMovie, AnAnswerUsesTheCardsWidthOnOneLineOrTwoAtMost) {
    Fight("fight1", "10");
    const QString shortOne = QStringLiteral("兔子的窝");
    const QString mid = QStringLiteral("路边的一种小草");
    const QString longOne = QStringLiteral("多个大功率电器共用一个插座");
    Serve("A", {"《黄鹤楼》", shortOne.toStdString(), mid.toStdString(), longOne.toStdString()});
    for (const QString& answer : {QStringLiteral("《黄鹤楼》"), shortOne, mid}) {
        QQuickItem* text = TextShowing(answer);
        ASSERT_NE(text, nullptr) << answer.toStdString();
        EXPECT_EQ(text->property("lineCount").toInt(), 1) << answer.toStdString();
        EXPECT_FALSE(text->property("truncated").toBool()) << answer.toStdString();
    }
    QQuickItem* text = TextShowing(longOne);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->property("lineCount").toInt(), 2);
    EXPECT_FALSE(text->property("truncated").toBool());
}

class SetUpMovie : public MovieScene {
protected:
    void SetUp() override {
        MovieScene::SetUp();
        Play(MovieSource(QStringLiteral("fight/sd.qml")), QStringLiteral("sd.mod"));
    }
};

TEST_F(SetUpMovie, AnAvatarHopsOnceWhenTheHostPlaysIt) {
    Clip* left = qobject_cast<Clip*>(control_->Target("_root.c_imagea"));
    ASSERT_NE(left, nullptr);
    ASSERT_NE(control_->Target("_root.c_imageb"), nullptr);
    EXPECT_FALSE(left->playing());

    control_->SetVariable("_root.iImage1Num", "7");
    control_->TPlay("_root.c_imagea");
    EXPECT_TRUE(left->playing());
    EXPECT_TRUE(WaitFor([left] { return !left->playing(); }, 2000));
}

TEST_F(SetUpMovie, ItsButtonsStartTheBattleOrLeave) {
    ClickButton(QStringLiteral("开始对战"));
    EXPECT_EQ(commands_, (Commands{{"fight", ""}}));
    Settle(900);
    ClickButton(QStringLiteral("返回"));
    EXPECT_EQ(commands_.back().first, "fightUplevel");
}

}  // namespace
}  // namespace xuehai::test
