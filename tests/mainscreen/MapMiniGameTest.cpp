// SPDX-License-Identifier: GPL-3.0-or-later
// The mini-game on the map: loading it and the points it reports.
#include <QElapsedTimer>

#include "MapScreenTest.h"
#include "SqlProbe.h"

namespace xuehai::test {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class MapMiniGame : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        Run("Save/userinfo.dat", "UPDATE UserInfo SET UserScore=100");
        Screen();
    }
};

TEST_F(MapMiniGame, RunpigLoadsTheGameOverTheVisibleMapAndKeepsTheMusic) {
    Raise("runpig");
    EXPECT_THAT(Lines({"music.", "FlashBack.", "MainFlash.", "ShowError"}),
                ElementsAre("MainFlash.GetVariable(_level0.mod)",
                            "MainFlash.GetVariable(_level0.QAID)", "FlashBack.GotoFrame(1)",
                            "MainFlash.LoadMovie(1, " + Folder() + "Data\\RunPig\\pig.mod)"));
}

TEST_F(MapMiniGame, WinAndLoseChangeTheScoreByTheReportedPoints) {
    Raise("PigWin", "30");
    EXPECT_EQ(Player("UserScore"), "130");
    Raise("PigLose", "30");
    EXPECT_EQ(Player("UserScore"), "100");
    Raise("PigLose", "-30");
    EXPECT_EQ(Player("UserScore"), "130");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_THAT(Lines({"MainFlash.S", "MainFlash.T", "FlashBack."}), IsEmpty());
}

TEST_F(MapMiniGame, PointsThatAreNoIntegerShowTheConversionErrorAndChangeNothing) {
    Raise("PigWin", "3a");
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("ShowError(")));
    Raise("PigLose", "-2147483648");
    EXPECT_THAT(Errors(), ElementsAre(HasSubstr("not a valid number of points")));
    EXPECT_EQ(Player("UserScore"), "100");
}

TEST_F(MapMiniGame, PointsWhileTheRecordsAreLockedAreReportedAsNotSaved) {
    {
        testing::ForeignLock lock(Folder() + "Save/userinfo.dat",
                                  testing::ForeignLock::Kind::Write);
        Raise("PigWin", "30");
        EXPECT_THAT(Errors(), ElementsAre(HasSubstr("得分没有记下来")));
    }
    EXPECT_EQ(Player("UserScore"), "100");
    Raise("PigLose", "30");
    EXPECT_EQ(Player("UserScore"), "70");
}

}  // namespace xuehai::test
