// SPDX-License-Identifier: GPL-3.0-or-later
#include <QQuickItem>
#include <string>
#include <vector>

#include "MovieScene.h"

namespace xuehai::test {
namespace {

class QuizMovie : public MovieScene {
protected:
    void SetUp() override {
        MovieScene::SetUp();
        Play(QStringLiteral(XUEHAI_QUIZ_MOVIE), QStringLiteral("Data/Qut001/Q001.mod"));
    }

    // What the host's "Request" sets, in its order.
    void Serve(const std::string& right, const std::string& flag = "2",
               const std::vector<std::string>& answers = {"白", "田", "目", "旦"}) {
        control_->SetVariable("_level0.answ1", answers[0]);
        control_->SetVariable("_level0.answ2", answers[1]);
        control_->SetVariable("_level0.answ3", answers[2]);
        control_->SetVariable("_level0.answ4", answers[3]);
        control_->SetVariable("_level0.Qstn", "哪个字是“日”加一笔？");
        control_->SetVariable("_level0.Ranswer", right);
        control_->SetVariable("_level0.QAflag", flag);
        control_->SetVariable("_level0.Init.complete", "白");
        Settle();
    }
};

TEST_F(QuizMovie, AsksForAQuestionOnLoadAndShowsTheSubject) {
    EXPECT_EQ(commands_, (Commands{{"Request", ""}}));
    EXPECT_EQ(Property("subjectName", "subjectName").toString(), QStringLiteral("语文"));
    EXPECT_EQ(Property("subjectCode", "subjectCode").toString(), QStringLiteral("001"));
}

TEST_F(QuizMovie, IgnoresAnswersUntilTheHostCompletesTheQuestion) {
    control_->SetVariable("_level0.Ranswer", "D");
    Press(Qt::Key_4);
    EXPECT_EQ(commands_.size(), 1u);

    Serve("D");
    Press(Qt::Key_4);
    EXPECT_EQ(commands_.back(), (std::pair<std::string, std::string>{"right", ""}));
}

TEST_F(QuizMovie, JudgesOneAnswerPerQuestionAgainstTheRightLetter) {
    Serve(" b ");
    Press(Qt::Key_B);
    Press(Qt::Key_A);
    EXPECT_EQ(commands_, (Commands{{"Request", ""}, {"right", ""}}));

    Press(Qt::Key_Return);
    Serve("D");
    Press(Qt::Key_1);
    EXPECT_EQ(commands_.back().first, "wrong");
    EXPECT_EQ(Property("rightCount", "rightCount").toInt(), 1);
    EXPECT_EQ(Property("rightCount", "wrongCount").toInt(), 1);
}

TEST_F(QuizMovie, AShortAnswerTakesOneLineAndALongOneTwoAtMost) {
    const QString mid = QStringLiteral("路边的一种小草");
    const QString longOne = QStringLiteral("多个大功率电器共用一个插座，插头发热");
    Serve("A", "2", {"白", "田", mid.toStdString(), longOne.toStdString()});
    for (const auto& [answer, lines] :
         {std::pair{QStringLiteral("白"), 1}, {mid, 1}, {longOne, 2}}) {
        QQuickItem* text = TextShowing(answer);
        ASSERT_NE(text, nullptr) << answer.toStdString();
        EXPECT_EQ(text->property("lineCount").toInt(), lines) << answer.toStdString();
        EXPECT_FALSE(text->property("truncated").toBool()) << answer.toStdString();
    }
}

TEST_F(QuizMovie, ClampsTheDifficultyToOneToThreeStars) {
    Serve("A", "7");
    EXPECT_EQ(Property("difficulty", "difficulty").toInt(), 3);
    Press(Qt::Key_Return);
    Serve("A", "");
    EXPECT_EQ(Property("difficulty", "difficulty").toInt(), 1);
}

TEST_F(QuizMovie, NextQuestionAsksAgainAndTheTallyGrows) {
    Serve("C");
    ClickButton(QStringLiteral("目"), "picked()");
    EXPECT_EQ(commands_.back().first, "right");
    ClickButton(QStringLiteral("下一题 ➜"));
    EXPECT_EQ(commands_.back().first, "Request");
    Serve("C");
    Press(Qt::Key_3);
    EXPECT_EQ(Property("rightCount", "rightCount").toInt(), 2);
}

TEST_F(QuizMovie, LeavingRaisesExitsAndUnloadsItself) {
    ClickButton(QStringLiteral("离开"));
    EXPECT_EQ(commands_.back().first, "exits");
    EXPECT_TRUE(WaitFor([this] { return control_->Target("_level0") == nullptr; }));
}

}  // namespace
}  // namespace xuehai::test
