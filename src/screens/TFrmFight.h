// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "host/Platform.h"

class QComboBox;
class QFrame;
class QLineEdit;

namespace Ui {
class TFrmFight;
}

namespace xuehai {

// The two-player battle: the set-up movie under eight input controls where the players pick
// names, avatars, subject, question count, music and arena; then a battle movie that runs the
// contest and asks the host for one question at a time. Nothing of a battle is ever stored.
class TFrmFight : public QDialog {
    Q_OBJECT

public:
    TFrmFight(Platform& platform, QWidget* owner);
    ~TFrmFight() override;

    void FlashFightFSCommand(const std::string& command, const std::string& args);
    void ComboboxImage1Change();
    void ComboBoxImage2Change();
    // Shows or hides the eight set-up controls.
    void SetAll(bool visible);

    QFrame& Panel1();
    MovieControl& FlashFight() { return *FlashFight_; }
    QLineEdit& EditName1();
    QLineEdit& EditName2();
    QComboBox& ComboboxImage1();
    QComboBox& ComboBoxImage2();
    QComboBox& ComboBoxLib();
    QComboBox& ComboBoxNum();
    QComboBox& ComboBoxMusic();
    QComboBox& ComboBoxBack();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void LoadSubjectNames();
    // The question-bank code of the chosen subject, from "AliginB.cfg" as it is now.
    std::string SelectedBankCode();
    void Request();
    void Fight();
    void Exits();
    void FightUplevel();
    void ReleaseMediaPlayer();

    Platform& platform_;
    std::unique_ptr<Ui::TFrmFight> ui_;
    MovieControl* FlashFight_ = nullptr;
    // Released on leaving; nullptr from then on.
    MusicPlayer* MediaPlayer1_ = nullptr;
    bool leaving_ = false;
};

}  // namespace xuehai
