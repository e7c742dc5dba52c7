// SPDX-License-Identifier: GPL-3.0-or-later
#include <QVariant>

#include "MovieTestSupport.h"
#include "host/movie/Clip.h"

namespace xuehai::test {
namespace {

// Init through plain items is one clip down; outer.Init is two clips down but fewer items.
const QByteArray kTree = MovieWith(R"(
    property string initComplete: init.vars.complete ?? ""
    property string lastSet
    onVariableSet: (name, value) => lastSet = name + "=" + value
    Item { Item { Clip { id: init; objectName: "Init" } } }
    Clip { objectName: "outer"; Clip { objectName: "Init" } }
    Clip { objectName: "Map"; Clip { objectName: "mpin"; Clip { objectName: "mask2" } } }
)");

class MoviePaths : public MovieTest {};

TEST_F(MoviePaths, NamesWalkDownFromLevelZeroToTheNearestClip) {
    auto control = MakeControl();
    Write(QStringLiteral("map.mod"), kTree);
    control->SetMovie("map.mod");

    control->SetVariable("_level0.Init.complete", "1");
    EXPECT_EQ(control->Target("_root")->property("initComplete").toString(), QStringLiteral("1"));
    EXPECT_EQ(control->GetVariable("_level0.outer.Init.complete"), "");

    control->TGotoFrame("_root.Map.mpin.mask2", 2);
    Clip* mask = control->Target("_level0.Map.mpin.mask2");
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->frame(), 2);
    EXPECT_FALSE(mask->playing());
    EXPECT_EQ(control->Target("_level0.mpin"), mask->parentItem());

    control->SetVariable("iImageNum", "7");
    EXPECT_EQ(control->GetVariable("_root.iImageNum"), "7");
    EXPECT_EQ(control->GetVariable("_level0.iImageNum"), "7");
    EXPECT_EQ(control->Target("_root")->property("lastSet").toString(),
              QStringLiteral("iImageNum=7"));
}

TEST_F(MoviePaths, MissingClipsLevelsAndVariablesAreIgnored) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), kTree));

    control->SetVariable("_level0.init.complete", "1");  // names are case-sensitive
    control->SetVariable("_level3.Qstn", "x");
    control->SetVariable("_levelX.Qstn", "x");
    control->SetVariable("_level0..Init.complete", "x");
    control->TGotoFrame("_root.Nowhere", 3);
    control->TPlay("_level9");

    EXPECT_EQ(control->Target("_root")->property("initComplete").toString(), QString());
    EXPECT_EQ(control->GetVariable("_level0.init.complete"), "");
    EXPECT_EQ(control->GetVariable("_level3.Qstn"), "");
    EXPECT_EQ(control->GetVariable("neverSet"), "");
    EXPECT_EQ(control->GetVariable(""), "");
    EXPECT_EQ(control->Target(""), nullptr);
}

TEST_F(MoviePaths, VariablesAreTextsOnBothSides) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("m.mod"), MovieWith(R"(
        Component.onCompleted: { root.vars.score = 15; root.vars.done = true }
        Text { objectName: "shown"; text: root.vars.Qstn ?? "" }
    )")));

    EXPECT_EQ(control->GetVariable("score"), "15");
    EXPECT_EQ(control->GetVariable("done"), "true");
    control->SetVariable("_root.Qstn", "长江有多长？");
    QObject* shown = control->Target("_root")->findChild<QObject*>(QStringLiteral("shown"));
    EXPECT_EQ(shown->property("text").toString(), QStringLiteral("长江有多长？"));
}

TEST_F(MoviePaths, MoviesUseTheSamePathsWithRootAsTheirOwnLevel) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), kTree));
    control->SetVariable("mod", "004");
    Write(QStringLiteral("Data/Qut004/Q004.mod"), MovieWith(R"(
        Component.onCompleted: {
            Movie.setVariable("_root.answer", "B")
            Movie.setVariable("_level0.Init.complete", "yes")
            Movie.setVariable("subject", Movie.getVariable("_level0.mod"))
            Movie.fscommand("level", String(Movie.level))
        }
    )"));
    control->LoadMovie(1, "Data\\Qut004\\Q004.mod");

    EXPECT_EQ(control->GetVariable("_level1.answer"), "B");
    EXPECT_EQ(control->GetVariable("_level1.subject"), "004");
    EXPECT_EQ(control->GetVariable("_root.answer"), "");
    EXPECT_EQ(control->Target("_level0")->property("initComplete").toString(),
              QStringLiteral("yes"));
    Settle();
    EXPECT_EQ(commands_, (decltype(commands_){{"level", "1"}}));
}

TEST_F(MoviePaths, FramesAndPlayingFollowTheHost) {
    auto control = MakeControl();
    control->SetMovie(Write(QStringLiteral("map.mod"), kTree));
    Clip* root = control->Target("_level0");
    Clip* scroll = control->Target("_root.Map");

    EXPECT_TRUE(root->playing());
    control->Stop();
    EXPECT_FALSE(root->playing());
    control->TPlay("_level0");
    EXPECT_TRUE(root->playing());
    control->GotoFrame(1);
    EXPECT_EQ(root->frame(), 1);
    EXPECT_FALSE(root->playing());
    control->TGotoFrame("_root.Map", 4);
    EXPECT_EQ(scroll->frame(), 4);
    control->TGotoFrame("_root.Map", -1);
    EXPECT_EQ(scroll->frame(), 4);
}

}  // namespace
}  // namespace xuehai::test
