// SPDX-License-Identifier: GPL-3.0-or-later
// Subject quizzes on the map: questions, answers, completion figures, entering and leaving.
#include <QElapsedTimer>

#include "MapScreenTest.h"
#include "SqlProbe.h"

namespace xuehai::test {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

class MapQuiz : public MapScreenTest {
protected:
    void SetUp() override {
        MapScreenTest::SetUp();
        Run("Save/userinfo.dat", "UPDATE UserInfo SET UserScore=100");
    }
};

TEST_F(MapQuiz, RequestSendsTheDrawnQuestionInTheMoviesOrder) {
    MakeBank("001", 0);
    AddQuestion("001", 0, {"天空是什么颜色？", "蓝色", "红色", "绿色", "黄色"}, "b", "2");
    Screen();
    Raise("Request");
    EXPECT_THAT(
        Lines({"MainFlash.", "ShowError"}),
        ElementsAre("MainFlash.GetVariable(_level0.mod)", "MainFlash.GetVariable(_level0.QAID)",
                    "MainFlash.SetVariable(_level1.answ1, 蓝色)",
                    "MainFlash.SetVariable(_level1.answ2, 红色)",
                    "MainFlash.SetVariable(_level1.answ3, 绿色)",
                    "MainFlash.SetVariable(_level1.answ4, 黄色)",
                    "MainFlash.SetVariable(_level1.Qstn, 天空是什么颜色？)",
                    "MainFlash.SetVariable(_level1.Ranswer, B)",
                    "MainFlash.SetVariable(_level1.QAflag, 2)",
                    "MainFlash.SetVariable(_level1.Init.complete, 蓝色)",
                    "MainFlash.SetVariable(_level0.QAID, 0)"));
}

TEST_F(MapQuiz, RequestWithoutASubjectFailsWithTheStandardError) {
    Screen();
    Raise("Request", "", "");
    EXPECT_THAT(Errors(), SizeIs(1));
    EXPECT_THAT(Lines({"MainFlash.SetVariable"}), IsEmpty());
}

TEST_F(MapQuiz, SubjectLeadingOutOfTheGameFolderFailsLikeAMissingFile) {
    MakeBank("001", 2);
    Screen();
    for (const char* command : {"Request", "right", "exits"}) {
        Raise(command, "", "..\\..\\..\\etc");
        EXPECT_THAT(Errors(), ElementsAre(HasSubstr("outside the game folder"))) << command;
    }
    for (const char* command : {"map", "rollover"}) {
        Raise(command, "../../x", "001");
        EXPECT_THAT(Errors(), ElementsAre(HasSubstr("outside the game folder"))) << command;
        EXPECT_THAT(Lines({"music.", "MainFlash.LoadMovie", "MainFlash.SetVariable"}), IsEmpty());
    }
}

TEST_F(MapQuiz, RightThenWrongNetFivePointsAndCountsEachOnce) {
    MakeBank("001", 3);
    Screen();
    MainFlash().Preset("_level0.name", kPlayer);
    MainFlash().Preset("_level0.QAID", "2");
    Raise("right");
    EXPECT_EQ(Player("UserScore"), "110");
    Raise("wrong");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_EQ(Player("UserScore"), "105");
    EXPECT_EQ(Player("UserRight"), "1");
    EXPECT_EQ(Player("UserWrong"), "1");
    const std::string bank = "Data/Qut001/001.dat";
    const std::string row = "[User-Question] WHERE QuestionID=2 AND UserName='小明'";
    EXPECT_EQ(Value(bank, "RightCount", row), "1");
    EXPECT_EQ(Value(bank, "WrongCount", row), "1");
    EXPECT_EQ(Value(bank, "UserRight || '/' || UserWrong", "UserStats"), "1/1");
    // Nothing goes to the movie: score and class reach it on "exits".
    EXPECT_THAT(Lines({"MainFlash.SetVariable", "FlashBack."}), IsEmpty());
}

TEST_F(MapQuiz, AnswerStatisticsGoToTheNameTheMovieHoldsAndTheScoreToThePlayer) {
    MakeBank("001", 3);
    Screen();
    MainFlash().Preset("_level0.name", "小红");
    MainFlash().Preset("_level0.QAID", "1");
    Raise("right");
    EXPECT_EQ(Value("Data/Qut001/001.dat", "RightCount",
                    "[User-Question] WHERE QuestionID=1 AND UserName='小红'"),
              "1");
    EXPECT_EQ(Player("UserScore"), "110");
}

TEST_F(MapQuiz, AnswerToAMissingBankChangesNoScore) {
    Screen();
    MainFlash().Preset("_level0.QAID", "1");
    Raise("right", "", "009");
    EXPECT_THAT(Errors(), SizeIs(1));
    EXPECT_EQ(Player("UserScore"), "100");
    EXPECT_EQ(Player("UserRight"), "0");
}

TEST_F(MapQuiz, RolloverReadsTheBankOfItsArgument) {
    MakeBank("001", 4, 1);
    MakeBank("002", 2, 1);
    Screen();
    Raise("rollover", "001", "002");
    EXPECT_THAT(Lines({"MainFlash.SetVariable"}),
                ElementsAre("MainFlash.SetVariable(_level0.progress, 25)"));
}

TEST_F(MapQuiz, MapFollowsItsArgumentButTakesTheFigureFromTheMoviesSubject) {
    MakeBank("001", 4, 1);
    MakeBank("002", 2, 1);
    Screen();
    const std::string f = Folder();
    Raise("map", "001", "002");
    EXPECT_THAT(
        Lines({"music.", "FlashBack.", "MainFlash.", "ShowError"}),
        ElementsAre("MainFlash.GetVariable(_level0.mod)", "MainFlash.GetVariable(_level0.QAID)",
                    "music.SetFileName(" + f + "Data\\Qut001\\001.mp3)",
                    "music.Open(" + f + "Data\\Qut001\\001.mp3)", "music.Play()",
                    "FlashBack.GotoFrame(1)",
                    "MainFlash.LoadMovie(1, " + f + "Data\\Qut001\\Q001.mod)",
                    "MainFlash.SetVariable(_level0.name, 小明)",
                    "MainFlash.SetVariable(_level0.progress, 50)",
                    "MainFlash.TSetProperty(_level0, 7, 0)"));
}

TEST_F(MapQuiz, MapWhoseMusicCannotBeOpenedLoadsNoQuiz) {
    MakeBank("001", 2);
    platform_.failingMusic = {Folder() + "Data\\Qut001\\001.mp3"};
    Screen();
    Raise("map", "001");
    EXPECT_THAT(Errors(), SizeIs(1));
    EXPECT_THAT(Lines({"FlashBack.", "MainFlash.LoadMovie", "MainFlash.TSetProperty"}), IsEmpty());
    // The loop stays switched off: the next notification is swallowed.
    platform_.ClearLog();
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), IsEmpty());
}

TEST_F(MapQuiz, ExitsShowsTheMapAndPushesTheNewStandingIntoBothMovies) {
    MakeBank("001", 2, 1);
    Screen();
    Raise("map", "001");
    Raise("exits");
    EXPECT_THAT(
        Lines({"music.", "FlashBack.", "MainFlash.", "ShowError"}),
        ElementsAre(
            "MainFlash.GetVariable(_level0.mod)", "MainFlash.GetVariable(_level0.QAID)",
            "FlashBack.GotoFrame(0)", "MainFlash.TSetProperty(_level0, 7, 1)",
            "MainFlash.SetVariable(_level0.name, 小明)",
            "MainFlash.SetVariable(_level0.score, 100)", "MainFlash.SetVariable(_level0.class, 1)",
            "MainFlash.SetVariable(_level0.progress, 500)",
            "FlashBack.SetVariable(_level0.name, 小明)",
            "FlashBack.SetVariable(_level0.score, 100)", "FlashBack.SetVariable(_level0.class, 1)",
            "FlashBack.SetVariable(_level0.image, 3)", "music.Stop()", "music.SetFileName(map.mp3)",
            "music.Open(map.mp3)", "music.Play()"));
    platform_.ClearLog();
    Music().FireNotify();
    EXPECT_THAT(Lines({"music."}), IsEmpty());
}

TEST_F(MapQuiz, ExitsWhoseBankIsMissingOnlyMovesTheBackground) {
    Screen();
    Raise("exits", "", "007");
    EXPECT_THAT(Lines({"music.", "FlashBack.", "MainFlash.T", "MainFlash.S", "ShowError"}),
                ElementsAre("FlashBack.GotoFrame(0)", HasSubstr("ShowError(")));
}

TEST_F(MapQuiz, ExitsAfterASubjectWhoseMusicFailedStillBringsBackTheMapMusic) {
    MakeBank("001", 2);
    platform_.failingMusic = {Folder() + "Data\\Qut001\\001.mp3"};
    Screen();
    Raise("map", "001");
    Raise("exits");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_TRUE(Music().IsPlaying());
    EXPECT_EQ(Music().FileName(), "map.mp3");
}

struct FigureCase {
    int questions;
    int answered;
    std::string byHundred;
    std::string byThousand;
};

void PrintTo(const FigureCase& c, std::ostream* out) {
    *out << c.answered << " of " << c.questions;
}

class MapCompletionFigure : public MapScreenTest,
                            public ::testing::WithParamInterface<FigureCase> {};

TEST_P(MapCompletionFigure, IsCutTowardZeroOnEveryCommandThatShowsIt) {
    MakeBank("001", GetParam().questions, GetParam().answered);
    Screen();
    const auto progress = [this] {
        const std::vector<std::string> lines = Lines({"MainFlash.SetVariable(_level0.progress"});
        return lines.empty() ? std::string("none") : lines.back();
    };
    const std::string prefix = "MainFlash.SetVariable(_level0.progress, ";
    Raise("rollover", "001");
    EXPECT_EQ(progress(), prefix + GetParam().byHundred + ")");
    Raise("map", "001");
    EXPECT_EQ(progress(), prefix + GetParam().byHundred + ")");
    Raise("exits");
    EXPECT_EQ(progress(), prefix + GetParam().byThousand + ")");
}

INSTANTIATE_TEST_SUITE_P(Fractions, MapCompletionFigure,
                         ::testing::Values(FigureCase{2, 1, "50", "500"},
                                           FigureCase{1000, 999, "99", "999"},
                                           FigureCase{3, 1, "33", "333"},
                                           FigureCase{4, 4, "100", "1000"},
                                           FigureCase{0, 0, "0", "0"}));

// Another program writing the player records: the player is told within about two seconds,
// the answer counts nowhere, and the first answer after the lock counts everywhere.
TEST_F(MapQuiz, AnswerWhileTheRecordsAreLockedCountsInNeitherFileAndTheNextCounts) {
    MakeBank("001", 3);
    Screen();
    MainFlash().Preset("_level0.name", kPlayer);
    MainFlash().Preset("_level0.QAID", "2");
    const std::string bank = "Data/Qut001/001.dat";
    {
        testing::ForeignLock lock(Folder() + "Save/userinfo.dat",
                                  testing::ForeignLock::Kind::Write);
        QElapsedTimer clock;
        clock.start();
        Raise("right");
        EXPECT_LT(clock.elapsed(), 2600);
        EXPECT_THAT(Errors(), ElementsAre(HasSubstr("这道题的答案没有记下来")));
        EXPECT_EQ(Value(bank, "Count(*)", "[User-Question]"), "0");
        EXPECT_EQ(Value(bank, "Count(*)", "UserStats"), "0");
    }
    EXPECT_EQ(Player("UserScore"), "100");
    EXPECT_EQ(Player("UserRight"), "0");
    Raise("right");
    EXPECT_THAT(Errors(), IsEmpty());
    EXPECT_EQ(Player("UserScore"), "110");
    EXPECT_EQ(Player("UserRight"), "1");
    EXPECT_EQ(Value(bank, "UserRight", "UserStats"), "1");
}

}  // namespace xuehai::test
