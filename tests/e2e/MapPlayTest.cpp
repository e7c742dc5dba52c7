// SPDX-License-Identifier: GPL-3.0-or-later
// A child on the map: a subject played through its quiz movie, and the way back to the login.
#include <QQuickItem>

#include "MapPlay.h"
#include "core/ProgramFolder.h"

namespace xuehai::test {

class MapPlaySubject : public MapPlay {
protected:
    QQuickItem* Board() {
        return Find(Map(), "_level1",
                    [](QQuickItem* item) { return item->property("phase").isValid(); });
    }
    QString Phase() {
        QQuickItem* board = Board();
        return board != nullptr ? board->property("phase").toString() : QString();
    }
    // The card of answer 0 to 3 as the host sent it.
    void PickAnswer(int index) {
        const std::string text = Map().GetVariable("_level1.answ" + std::to_string(index + 1));
        ClickLabelled(Map(), "_level1", QString::fromStdString(text), "picked()");
    }
    int RightIndex() {
        const std::string letter = Map().GetVariable("_level1.Ranswer");
        return letter.empty() ? -1 : letter.front() - 'A';
    }
};

TEST_F(MapPlaySubject, RightThenWrongAnswerIsRecordedAndShownOnTheWayBack) {
    EXPECT_EQ(Map().GetVariable("_level0.Name"), kPlayer);
    ClickLabelled(Map(), "_level0", QStringLiteral("语文"), "picked()");
    ASSERT_TRUE(WaitFor([this] { return Phase() == QStringLiteral("asking"); }));
    EXPECT_FALSE(Map().Target("_level0")->isVisible());
    EXPECT_EQ(Frame().Target("_level0")->property("frame").toInt(), 1);
    EXPECT_EQ(screen_->MediaPlayer().FileName(), ProgramFolder() + "Data\\Qut001\\001.mp3");

    const int right = RightIndex();
    ASSERT_GE(right, 0);
    PickAnswer(right);
    ASSERT_TRUE(WaitFor([this] { return Phase() == QStringLiteral("judged"); }));
    ClickLabelled(Map(), "_level1", QStringLiteral("下一题 ➜"));
    ASSERT_TRUE(WaitFor([this] { return Phase() == QStringLiteral("asking"); }));
    PickAnswer((RightIndex() + 1) % 4);
    ASSERT_TRUE(WaitFor([this] { return Phase() == QStringLiteral("judged"); }));
    ClickLabelled(Map(), "_level1", QStringLiteral("离开"));
    ASSERT_TRUE(WaitFor([this] {
        return Map().Target("_level1") == nullptr && Map().Target("_level0")->isVisible();
    }));

    EXPECT_EQ(Player("UserScore"), "5");
    EXPECT_EQ(Player("UserRight"), "1");
    EXPECT_EQ(Player("UserWrong"), "1");
    const std::string bank = "Data/Qut001/001.dat";
    EXPECT_EQ(Value(bank, "UserRight || '/' || UserWrong", "UserStats WHERE UserName='小华'"),
              "1/1");
    EXPECT_EQ(Value(bank, "SUM(RightCount) || '/' || SUM(WrongCount)",
                    "[User-Question] WHERE UserName='小华'"),
              "1/1");
    const int questions = std::stoi(Value(bank, "COUNT(*)", "Question"));
    // One question of the bank is done; the figure on the way back is in thousandths.
    EXPECT_EQ(Map().GetVariable("_level0.progress"),
              std::to_string(static_cast<long long>(1.0 / questions * 1000)));
    EXPECT_EQ(Map().GetVariable("_level0.score"), "5");
    EXPECT_EQ(Frame().GetVariable("_level0.score"), "5");
    EXPECT_EQ(Frame().Target("_level0")->property("frame").toInt(), 0);
    EXPECT_EQ(screen_->MediaPlayer().FileName(), "map.mp3");
}

using MapPlayCharacterTest = MapPlay;

TEST_F(MapPlayCharacterTest, EveryItemAnsweredEndsInTheEvaluationThenTheMapReturns) {
    ClickLabelled(Map(), "_level0", QStringLiteral("性格小测试"), "picked()");
    ASSERT_TRUE(WaitFor([this] { return Map().Target("_level1") != nullptr; }));
    QQuickItem* test = Map().Target("_level1");
    const auto phase = [test] { return test->property("phase").toString(); };
    int answered = 0;
    while (phase() != QStringLiteral("done")) {
        ASSERT_TRUE(WaitFor([&] {
            return phase() == QStringLiteral("asking") || phase() == QStringLiteral("done");
        }));
        if (phase() == QStringLiteral("asking")) {
            const std::string option =
                Map().GetVariable("_level1.answ" + std::to_string(answered % 3 + 1));
            ClickLabelled(Map(), "_level1", QString::fromStdString(option), "picked()");
            ASSERT_TRUE(WaitFor([&] { return Map().GetVariable("_level1.rs") == option; }));
            ++answered;
            ASSERT_LT(answered, 100) << "the questionnaire never ends";
        }
    }
    EXPECT_GT(answered, 0);
    EXPECT_TRUE(Map().Target("_level1.Mcjudge")->isVisible());
    EXPECT_THAT(Map().GetVariable("_level1.judge"), ::testing::Not(::testing::IsEmpty()));
    ClickLabelled(Map(), "_level1", QStringLiteral("回到地图"));
    ASSERT_TRUE(WaitFor([this] {
        return Map().Target("_level1") == nullptr && Map().Target("_level0")->isVisible();
    }));
    EXPECT_EQ(Frame().Target("_level0")->property("frame").toInt(), 0);
}

using MapPlayLeave = MapPlay;

TEST_F(MapPlayLeave, ReturnButtonOfTheFrameGoesBackToTheLogin) {
    ClickLabelled(Frame(), "_level0", QStringLiteral("返回登录"));
    ASSERT_TRUE(WaitFor([this] { return !screen_->isVisible(); }));
    EXPECT_EQ(loginScreensMade_, 1);
}

}  // namespace xuehai::test
