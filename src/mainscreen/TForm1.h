// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "host/Platform.h"
#include "host/ScreenFactory.h"
#include "store/TIQ.h"

class QFrame;

namespace Ui {
class TForm1;
}

namespace xuehai {

// The screens the map opens: the login screen it returns to and the progress report.
struct MainScreenLinks {
    ScreenFactory loginScreen;
    ScreenFactory report;
};

// The main map screen: the background movie around the map movie, the music, and every
// activity the map loads into its level 1 (subject quizzes, character tests, the mini-game).
// The handlers of the map movie's commands live in one file per command group.
class TForm1 : public QDialog {
    Q_OBJECT

public:
    TForm1(Platform& platform, MainScreenLinks links, QWidget* owner);
    ~TForm1() override;

    void MainFlashFSCommand(const std::string& command, const std::string& args);
    void FlashBackFSCommand(const std::string& command, const std::string& args);
    void MediaPlayerNotify();

    QFrame& Panelback();
    QFrame& Panel1();
    MovieControl& FlashBack() { return *FlashBack_; }
    MovieControl& MainFlash() { return *MainFlash_; }
    MusicPlayer& MediaPlayer() { return *MediaPlayer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void ClassGate(const std::string& playerClass);
    void StopMusic();
    void Uplevel();
    void PrintStatus();

    // Subject quizzes and the mini-game (MapQuizCommands.cpp).
    void Request(const std::string& subject);
    void CountAnswer(const std::string& subject, const std::string& questionId, bool right);
    void Rollover(const std::string& subject);
    void Map(const std::string& bankSubject, const std::string& subject);
    void RunPig();
    void PigLose(const std::string& points);
    void PigWin(const std::string& points);
    void Exits(const std::string& subject);

    // Character tests (CharacterTestCommands.cpp).
    void Qmap(const std::string& test);
    void QRequest();
    void ChooseOption(std::size_t option);

    Platform& platform_;
    MainScreenLinks links_;
    std::unique_ptr<Ui::TForm1> ui_;
    MovieControl* FlashBack_ = nullptr;
    MovieControl* MainFlash_ = nullptr;
    MusicPlayer* MediaPlayer_ = nullptr;
    std::unique_ptr<TIQ> IQ;
    // The option texts A, B, C of the last item sent to the test movie.
    std::vector<std::string> lastOptions_;
    std::unique_ptr<QDialog> loginScreen_;
    // Every report opened stays with the map until the map goes.
    std::vector<std::unique_ptr<QDialog>> reports_;
    bool leaving_ = false;
};

}  // namespace xuehai
