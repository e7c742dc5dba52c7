// SPDX-License-Identifier: GPL-3.0-or-later
// Character tests on the map: opening a test, its items one by one, the evaluation.
#include <QElapsedTimer>
#include <set>

#include "MapScreenTest.h"
#include "SqlProbe.h"
#include "mainscreen/MainScreenGlobals.h"
#include "store/Connection.h"
#include "store/GameRandom.h"

namespace xuehai::test {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

class MapCharacterTest : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        MakeTest("001", 1,
                 {{"你喜欢热闹吗？", "喜欢", "5", "一般", "3", "不喜欢", "1"},
                  {"你常和朋友玩吗？", "常常", "5", "有时", "3", "很少", "1"}},
                 {{0, 5, "安静的小读者"}, {6, 10, "快乐的小伙伴"}});
        Screen();
    }

    std::vector<std::string> SetVariables() { return Lines({"MainFlash.SetVariable"}); }
};

TEST_F(MapCharacterTest, QmapHidesTheMapLoadsTheTestAndCalmsTheBackground) {
    Raise("Qmap");
    EXPECT_THAT(
        Lines({"music.", "FlashBack.", "MainFlash.", "ShowError"}),
        ElementsAre("MainFlash.GetVariable(_level0.mod)", "MainFlash.GetVariable(_level0.QAID)",
                    "MainFlash.TSetProperty(_level0, 7, 0)",
                    "MainFlash.LoadMovie(1, " + Folder() + "data\\q\\q001\\q.mod)",
                    "FlashBack.GotoFrame(1)"));
    EXPECT_EQ(TestType, 1);
}

TEST_F(MapCharacterTest, ItemsGoOutOneByOneThenTheTotalGetsItsEvaluation) {
    Raise("Qmap");
    Raise("QRequest");
    EXPECT_THAT(SetVariables(), ElementsAre("MainFlash.SetVariable(_level1.Qstn, 你喜欢热闹吗？)",
                                            "MainFlash.SetVariable(_level1.answ1, 喜欢)",
                                            "MainFlash.SetVariable(_level1.rsa, 5)",
                                            "MainFlash.SetVariable(_level1.answ2, 一般)",
                                            "MainFlash.SetVariable(_level1.rsb, 3)",
                                            "MainFlash.SetVariable(_level1.answ3, 不喜欢)",
                                            "MainFlash.SetVariable(_level1.rsc, 1)",
                                            "MainFlash.SetVariable(_level1.Init.complete, 喜欢)"));
    Raise("QRequest");
    EXPECT_THAT(SetVariables(), SizeIs(8));
    EXPECT_EQ(MainFlash().Variables().at("_level1.Qstn"), "你常和朋友玩吗？");
    MainFlash().Preset("_level1.Score", "8");
    Raise("QRequest");
    EXPECT_THAT(Lines({"MainFlash.SetVariable", "MainFlash.TSetProperty", "ShowError"}),
                ElementsAre("MainFlash.SetVariable(_level1.judge, 快乐的小伙伴)",
                            "MainFlash.TSetProperty(_level1.Mcjudge, 7, 1)"));
    // The questionnaire starts over after its end.
    Raise("QRequest");
    EXPECT_EQ(MainFlash().Variables().at("_level1.Qstn"), "你喜欢热闹吗？");
}

TEST_F(MapCharacterTest, TotalThatIsNoIntegerStopsBeforeTheEvaluation) {
    Raise("Qmap");
    Raise("QRequest");
    Raise("QRequest");
    Raise("QRequest");
    EXPECT_THAT(Errors(), SizeIs(1));
    EXPECT_THAT(Lines({"MainFlash.SetVariable", "MainFlash.TSetProperty"}), IsEmpty());
}

TEST_F(MapCharacterTest, TypeWithoutItemsEndsAtTheFirstRequest) {
    MakeTest("002", 1, {}, {{0, 100, "很好"}});
    Raise("Qmap", "", "002");
    MainFlash().Preset("_level1.Score", "0");
    Raise("QRequest", "", "002");
    EXPECT_THAT(SetVariables(), ElementsAre("MainFlash.SetVariable(_level1.judge, 很好)"));
}

TEST_F(MapCharacterTest, OptionCommandsSendTheChosenOptionsTextOfTheLastItem) {
    Raise("A");
    EXPECT_THAT(SetVariables(), IsEmpty());
    Raise("Qmap");
    Raise("QRequest");
    Raise("A");
    EXPECT_THAT(SetVariables(), ElementsAre("MainFlash.SetVariable(_level1.rs, 喜欢)"));
    Raise("B");
    EXPECT_THAT(SetVariables(), ElementsAre("MainFlash.SetVariable(_level1.rs, 一般)"));
    Raise("C");
    EXPECT_THAT(SetVariables(), ElementsAre("MainFlash.SetVariable(_level1.rs, 不喜欢)"));
    Raise("a");
    EXPECT_THAT(platform_.Log(), SizeIs(2));
}

TEST_F(MapCharacterTest, RequestBeforeAnyTestDoesNothing) {
    Raise("QRequest");
    EXPECT_THAT(Lines({"MainFlash.S", "MainFlash.T", "ShowError"}), IsEmpty());
}

TEST_F(MapCharacterTest, MissingTestStopsAfterTheLoadAndEndsTheEarlierTest) {
    Raise("Qmap");
    Raise("QRequest");
    Raise("Qmap", "", "009");
    EXPECT_THAT(Lines({"FlashBack.", "MainFlash.T", "MainFlash.L", "ShowError"}),
                ElementsAre("MainFlash.TSetProperty(_level0, 7, 0)",
                            "MainFlash.LoadMovie(1, " + Folder() + "data\\q\\q009\\q.mod)",
                            HasSubstr("ShowError(")));
    Raise("QRequest", "", "009");
    Raise("B", "", "009");
    EXPECT_THAT(Lines({"MainFlash.S", "ShowError"}), IsEmpty());
}

TEST_F(MapCharacterTest, TestLeadingOutOfTheGameFolderFailsLikeAMissingOne) {
    Raise("Qmap", "", "..\\..\\x");
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("outside the game folder")));
    EXPECT_THAT(Lines({"MainFlash.LoadMovie", "FlashBack."}), IsEmpty());
}

TEST_F(MapCharacterTest, EachQmapDrawsOneOfTheTestsTypes) {
    MakeTest("003", 3, {}, {});
    std::set<int> drawn;
    for (std::uint32_t time = 0; time < 20; ++time) {
        SetTimeOfDayClock([time] { return time * 997; });
        Raise("Qmap", "", "003");
        ASSERT_GE(TestType, 1);
        ASSERT_LE(TestType, 3);
        drawn.insert(TestType);
    }
    EXPECT_GT(drawn.size(), 1u);
}

TEST_F(MapCharacterTest, EachQmapStartsTheQuestionnaireAtItsFirstItem) {
    Raise("Qmap");
    Raise("QRequest");
    Raise("QRequest");
    Raise("Qmap");
    Raise("QRequest");
    EXPECT_EQ(MainFlash().Variables().at("_level1.Qstn"), "你喜欢热闹吗？");
}

TEST_F(MapCharacterTest, TestWithoutTypesStillUsesTypeOne) {
    MakeTest("004", 0, {}, {});
    Raise("Qmap", "", "004");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_EQ(TestType, 1);
}

TEST_F(MapCharacterTest, ATestKeptLockedByAnotherProgramIsReportedWithinTheBudget) {
    ReleaseIdleConnections();
    testing::ForeignLock lock(Folder() + "data/q/q001/q.dat",
                              testing::ForeignLock::Kind::Exclusive);
    QElapsedTimer clock;
    clock.start();
    Raise("Qmap");
    EXPECT_LT(clock.elapsed(), 2600);
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("性格测试现在打不开")));
}

}  // namespace xuehai::test
