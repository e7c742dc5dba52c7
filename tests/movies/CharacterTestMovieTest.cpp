// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieScene.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

class CharacterTestMovie : public MovieScene {
protected:
    void SetUp() override {
        MovieScene::SetUp();
        Play(MovieSource(QStringLiteral("questionnaire/q.qml")),
             QStringLiteral("data/q/q001/q.mod"));
    }

    // What the host's "QRequest" sets for one item, in its order.
    void Serve(const std::string& a, const std::string& b, const std::string& c) {
        control_->SetVariable("_level0.Qstn", "周末你最喜欢做什么？");
        control_->SetVariable("_level0.answ1", "看书");
        control_->SetVariable("_level0.rsa", a);
        control_->SetVariable("_level0.answ2", "踢球");
        control_->SetVariable("_level0.rsb", b);
        control_->SetVariable("_level0.answ3", "画画");
        control_->SetVariable("_level0.rsc", c);
        control_->SetVariable("_level0.Init.complete", "看书");
        Settle();
    }

    void AwaitNextRequest() {
        const size_t before = commands_.size();
        ASSERT_TRUE(WaitFor([&] { return commands_.size() > before; }));
        ASSERT_EQ(commands_.back().first, "QRequest");
    }
};

TEST_F(CharacterTestMovie, StartsItsTotalAtZeroAndAsksForTheFirstItem) {
    EXPECT_EQ(control_->GetVariable("_level0.Score"), "0");
    EXPECT_EQ(commands_, (Commands{{"QRequest", ""}}));
    ASSERT_NE(control_->Target("_level0.Mcjudge"), nullptr);
    EXPECT_FALSE(control_->Target("_level0.Mcjudge")->isVisible());
}

TEST_F(CharacterTestMovie, AddsThePointsOfEachChoiceAndNamesTheOption) {
    Serve("2", "5", "3");
    ClickButton(QStringLiteral("踢球"), "picked()");
    EXPECT_EQ(control_->GetVariable("_level0.Score"), "5");
    EXPECT_EQ(commands_.back().first, "B");
    Press(Qt::Key_3);
    EXPECT_EQ(commands_.back().first, "B") << "one choice per item";
    AwaitNextRequest();

    Serve("1", "4", "-2");
    Press(Qt::Key_C);
    EXPECT_EQ(control_->GetVariable("_level0.Score"), "3");
    EXPECT_EQ(commands_.back().first, "C");
}

TEST_F(CharacterTestMovie, PointsThatAreNoNumberCountAsNothing) {
    Serve("两分", "", "3");
    Press(Qt::Key_1);
    EXPECT_EQ(control_->GetVariable("_level0.Score"), "0");
}

TEST_F(CharacterTestMovie, ShowsTheHostsAnswerToTheChoice) {
    Serve("2", "5", "3");
    Press(Qt::Key_A);
    control_->SetVariable("_level0.rs", "看书（安静型）");
    Settle();
    EXPECT_EQ(Property("chosenText", "chosenText").toString(), QStringLiteral("看书（安静型）"));
}

TEST_F(CharacterTestMovie, TheEvaluationEndsTheItemsAndCanStartAgain) {
    Serve("2", "5", "3");
    Press(Qt::Key_2);
    AwaitNextRequest();
    control_->SetVariable("_level0.judge", "你是一个热情开朗的孩子。");
    control_->TSetProperty("_level0.Mcjudge", 7, "1");
    Settle();
    Press(Qt::Key_1);
    EXPECT_EQ(commands_.back().first, "QRequest") << "no choice once the evaluation shows";

    ClickButton(QStringLiteral("再测一次"));
    EXPECT_EQ(control_->GetVariable("_level0.Score"), "0");
    EXPECT_FALSE(control_->Target("_level0.Mcjudge")->isVisible());
    EXPECT_EQ(commands_.back().first, "QRequest");
}

TEST_F(CharacterTestMovie, LeavingRaisesExitsAndUnloadsItself) {
    ClickButton(QStringLiteral("离开"));
    EXPECT_EQ(commands_.back().first, "exits");
    EXPECT_TRUE(WaitFor([this] { return control_->Target("_level0") == nullptr; }));
}

}  // namespace
}  // namespace xuehai::test
