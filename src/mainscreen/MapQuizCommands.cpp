// SPDX-License-Identifier: GPL-3.0-or-later
// The map movie's commands: the dispatch, subject quizzes and the mini-game.
#include <cstdint>
#include <limits>

#include "core/Errors.h"
#include "core/GameGlobals.h"
#include "core/IntegerText.h"
#include "core/ProgramFolder.h"
#include "mainscreen/CompletionFigure.h"
#include "core/ListItem.h"
#include "store/LockedRecords.h"
#include "mainscreen/MainScreenGlobals.h"
#include "mainscreen/MapPaths.h"
#include "mainscreen/TForm1.h"
#include "store/CommandTransaction.h"
#include "store/TQADataBase.h"

namespace xuehai {

namespace {

constexpr int kRightPoints = 10;
constexpr int kWrongPoints = -5;

// The screen's player records; a screen whose set-up failed before opening them reports that
// instead of crashing.
TuserInfo& PlayerRecords() {
    if (!UserRecords) {
        throw Error("The player records are not open");
    }
    return *UserRecords;
}

// The player's score changes by the points, or, should the records be locked, not at all.
void CountPoints(std::int32_t points) {
    ExplainLockedRecords(
        "这局小游戏的得分没有记下来：游戏的记录文件正被另一个程序占用。"
        "请关掉那个程序，然后再玩一局。",
        [&] {
            CommandTransaction command;
            TuserInfo& records = PlayerRecords();
            command.Write(records.Database());
            records.AddScore(CurrentUserName, points);
            command.Commit();
        });
}

}  // namespace

void TForm1::MainFlashFSCommand(const std::string& command, const std::string& args) {
    // The subject on show and the question on show live in the map movie, not in the host.
    const std::string subject = MainFlash_->GetVariable("_level0.mod");
    const std::string questionId = MainFlash_->GetVariable("_level0.QAID");
    if (command == "Request") {
        Request(subject);
    } else if (command == "right") {
        CountAnswer(subject, questionId, true);
    } else if (command == "wrong") {
        CountAnswer(subject, questionId, false);
    } else if (command == "rollover") {
        Rollover(args);
    } else if (command == "map") {
        Map(subject, args);
    } else if (command == "runpig") {
        RunPig();
    } else if (command == "PigLose") {
        PigLose(args);
    } else if (command == "PigWin") {
        PigWin(args);
    } else if (command == "exits") {
        Exits(subject);
    } else if (command == "Qmap") {
        Qmap(subject);
    } else if (command == "QRequest") {
        QRequest();
    } else if (command == "A") {
        ChooseOption(0);
    } else if (command == "B") {
        ChooseOption(1);
    } else if (command == "C") {
        ChooseOption(2);
    }
}

void TForm1::Request(const std::string& subject) {
    {
        TQADataBase bank(SubjectBankPath(subject));
        const std::vector<std::string> question = bank.PickQuestion();
        MainFlash_->SetVariable("_level1.answ1", ListItem(question, 1));
        MainFlash_->SetVariable("_level1.answ2", ListItem(question, 2));
        MainFlash_->SetVariable("_level1.answ3", ListItem(question, 3));
        MainFlash_->SetVariable("_level1.answ4", ListItem(question, 4));
        MainFlash_->SetVariable("_level1.Qstn", ListItem(question, 0));
        MainFlash_->SetVariable("_level1.Ranswer", ListItem(question, 5));
        MainFlash_->SetVariable("_level1.QAflag", ListItem(question, 6));
        MainFlash_->SetVariable("_level1.Init.complete", ListItem(question, 1));
        MainFlash_->SetVariable("_level0.QAID", ListItem(question, 8));
    }
    MusicLoop = true;
}

// The answer counts in the bank's statistics and in the player records, or in neither.
void TForm1::CountAnswer(const std::string& subject, const std::string& questionId, bool right) {
    const std::string player = MainFlash_->GetVariable("_level0.name");
    ExplainLockedRecords(
        "这道题的答案没有记下来：游戏的记录文件正被另一个程序占用。"
        "请关掉那个程序，然后接着答下一道题。",
        [&] {
            CommandTransaction command;
            TQADataBase bank(SubjectBankPath(subject));
            TuserInfo& records = PlayerRecords();
            command.Write(bank.Database());
            command.Write(records.Database());
            bank.RecordAnswer(player, questionId, right ? 1 : -1);
            records.AddScore(CurrentUserName, right ? kRightPoints : kWrongPoints);
            if (right) {
                records.SetUserRight(records.GetUserRight() + 1);
            } else {
                records.SetUserWrong(records.GetUserWrong() + 1);
            }
            command.Commit();
        });
}

void TForm1::Rollover(const std::string& subject) {
    TQADataBase bank(SubjectBankPath(subject));
    MainFlash_->SetVariable("_level0.progress",
                            CompletionFigure(bank.GetRate("Wancheng", CurrentUserName), 100));
}

// The music and the quiz movie follow the argument; the completion figure follows the subject
// the map movie holds, which the movie sets before it raises "map".
void TForm1::Map(const std::string& bankSubject, const std::string& subject) {
    MusicLoop = false;
    MediaPlayer_->SetFileName(SubjectMusicPath(subject));
    MediaPlayer_->Open();
    MediaPlayer_->Play();
    FlashBack_->GotoFrame(1);
    TQADataBase bank(SubjectBankPath(bankSubject));
    const double completion = bank.GetRate("Wancheng", CurrentUserName);
    MainFlash_->LoadMovie(1, SubjectMoviePath(subject));
    MainFlash_->SetVariable("_level0.name", CurrentUserName);
    MainFlash_->SetVariable("_level0.progress", CompletionFigure(completion, 100));
    MainFlash_->TSetProperty("_level0", 7, "0");
}

void TForm1::RunPig() {
    FlashBack_->GotoFrame(1);
    MainFlash_->LoadMovie(1, ProgramFolder() + "Data\\RunPig\\pig.mod");
}

void TForm1::PigLose(const std::string& points) {
    const std::int32_t lost = StrToInt(points);
    // The one loss whose negation a 32-bit score change cannot hold.
    if (lost == std::numeric_limits<std::int32_t>::min()) {
        throw ConversionError("'" + points + "' is not a valid number of points");
    }
    CountPoints(-lost);
}

void TForm1::PigWin(const std::string& points) {
    CountPoints(StrToInt(points));
}

void TForm1::Exits(const std::string& subject) {
    FlashBack_->GotoFrame(0);
    {
        TQADataBase bank(SubjectBankPath(subject));
        const double completion = bank.GetRate("Wancheng", CurrentUserName);
        MainFlash_->TSetProperty("_level0", 7, "1");
        const std::vector<std::string> player = PlayerRecords().GetUserData(CurrentUserName);
        MainFlash_->SetVariable("_level0.name", CurrentUserName);
        MainFlash_->SetVariable("_level0.score", ListItem(player, 1));
        MainFlash_->SetVariable("_level0.class", ListItem(player, 2));
        MainFlash_->SetVariable("_level0.progress", CompletionFigure(completion, 1000));
        FlashBack_->SetVariable("_level0.name", CurrentUserName);
        FlashBack_->SetVariable("_level0.score", ListItem(player, 1));
        FlashBack_->SetVariable("_level0.class", ListItem(player, 2));
        FlashBack_->SetVariable("_level0.image", ListItem(player, 3));
        ClassGate(ListItem(player, 2));
    }
    StopMusic();
    MediaPlayer_->SetFileName("map.mp3");
    MediaPlayer_->Open();
    MediaPlayer_->Play();
    // The notification of the track just replaced must not restart anything.
    MusicLoop = false;
}

}  // namespace xuehai
