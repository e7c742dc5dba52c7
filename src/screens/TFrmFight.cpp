// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/TFrmFight.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/ListItem.h"
#include "core/ProgramFolder.h"
#include "host/widgets/Cp936Validator.h"
#include "core/ListFile.h"
#include "store/TQADataBase.h"
#include "ui_TFrmFight.h"

namespace xuehai {

namespace {

constexpr int kDesignWidth = 800;
constexpr int kEditName2Left = 509;
constexpr int kEditName2Top = 88;
constexpr int kNameBytes = 10;

std::string ShownText(const QComboBox& box) {
    return box.currentText().toStdString();
}

std::string Text(const QLineEdit& edit) {
    return edit.text().toStdString();
}

}  // namespace

TFrmFight::TFrmFight(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint),
      platform_(platform),
      ui_(std::make_unique<Ui::TFrmFight>()) {
    ui_->setupUi(this);
    EditName1().setValidator(new Cp936Validator(kNameBytes, this));
    EditName2().setValidator(new Cp936Validator(kNameBytes, this));
    FlashFight_ = platform_.CreateMovieControl(
        &Panel1(), {"FlashFight", WindowMode::Opaque, ScaleMode::ExactFit, true});
    FlashFight_->Widget()->setGeometry(Panel1().rect());
    FlashFight_->Widget()->lower();
    FlashFight_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        FlashFightFSCommand(command, args);
    };
    MediaPlayer1_ = platform_.CreateMusicPlayer(this);
    connect(&ComboboxImage1(), &QComboBox::activated, this,
            [this] { RunGuarded(platform_, [this] { ComboboxImage1Change(); }); });
    connect(&ComboBoxImage2(), &QComboBox::activated, this,
            [this] { RunGuarded(platform_, [this] { ComboBoxImage2Change(); }); });
    RunGuarded(platform_, [this] { FormCreate(); });
}

TFrmFight::~TFrmFight() {
    // The control dies after this body; a command it still holds must not reach a gone form.
    FlashFight_->OnFSCommand = nullptr;
}

QFrame& TFrmFight::Panel1() {
    return *ui_->Panel1;
}
QLineEdit& TFrmFight::EditName1() {
    return *ui_->EditName1;
}
QLineEdit& TFrmFight::EditName2() {
    return *ui_->EditName2;
}
QComboBox& TFrmFight::ComboboxImage1() {
    return *ui_->ComboboxImage1;
}
QComboBox& TFrmFight::ComboBoxImage2() {
    return *ui_->ComboBoxImage2;
}
QComboBox& TFrmFight::ComboBoxLib() {
    return *ui_->ComboBoxLib;
}
QComboBox& TFrmFight::ComboBoxNum() {
    return *ui_->ComboBoxNum;
}
QComboBox& TFrmFight::ComboBoxMusic() {
    return *ui_->ComboBoxMusic;
}
QComboBox& TFrmFight::ComboBoxBack() {
    return *ui_->ComboBoxBack;
}

void TFrmFight::FormCreate() {
    // Without the subject list the players still get the set-up movie and its way out; the
    // subject box keeps its designed names.
    RunGuarded(platform_, [this] { LoadSubjectNames(); });
    FlashFight_->SetMovie(ProgramFolder() + "sd.mod");
    EditName1().setText(QStringLiteral("Player1"));
    EditName2().setText(QStringLiteral("Player2"));
    ComboboxImage1().setCurrentIndex(0);
    ComboBoxImage2().setCurrentIndex(0);
    ComboBoxLib().setCurrentIndex(0);
    ComboBoxNum().setCurrentIndex(0);
    ComboBoxMusic().setCurrentIndex(0);
    ComboBoxBack().setCurrentIndex(0);
}

void TFrmFight::LoadSubjectNames() {
    const std::vector<std::string> names = ReadListFile("AliginA.cfg");
    ComboBoxLib().clear();
    for (const std::string& name : names) {
        ComboBoxLib().addItem(QString::fromStdString(name));
    }
}

void TFrmFight::ComboboxImage1Change() {
    FlashFight_->SetVariable("_root.iImage1Num",
                             std::to_string(ComboboxImage1().currentIndex() + 1));
    FlashFight_->TPlay("_root.c_imagea");
}

void TFrmFight::ComboBoxImage2Change() {
    FlashFight_->SetVariable("_root.iImage2Num",
                             std::to_string(ComboBoxImage2().currentIndex() + 1));
    FlashFight_->TPlay("_root.c_imageb");
}

void TFrmFight::SetAll(bool visible) {
    EditName1().setVisible(visible);
    EditName2().setVisible(visible);
    ComboboxImage1().setVisible(visible);
    ComboBoxImage2().setVisible(visible);
    ComboBoxLib().setVisible(visible);
    ComboBoxNum().setVisible(visible);
    ComboBoxMusic().setVisible(visible);
    ComboBoxBack().setVisible(visible);
}

void TFrmFight::FlashFightFSCommand(const std::string& command, const std::string&) {
    // Once the players have left, commands the movie still had queued find no music and no
    // screen to act on.
    if (leaving_) {
        return;
    }
    if (command == "Request") {
        Request();
    } else if (command == "fight") {
        Fight();
    } else if (command == "exits") {
        Exits();
    } else if (command == "fightUplevel") {
        FightUplevel();
    }
}

std::string TFrmFight::SelectedBankCode() {
    const std::vector<std::string> codes = ReadListFile("AliginB.cfg");
    const int subject = ComboBoxLib().currentIndex();
    if (subject < 0 || static_cast<std::size_t>(subject) >= codes.size()) {
        throw Error("AliginB.cfg has no bank code for subject " + std::to_string(subject + 1) +
                    " of the battle's subject list");
    }
    return codes[static_cast<std::size_t>(subject)];
}

void TFrmFight::Request() {
    const std::string code = SelectedBankCode();
    TQADataBase bank(ProgramFolder() + "Data\\Qut" + code + "\\" + code + ".dat");
    const std::vector<std::string> question = bank.PickQuestion();
    FlashFight_->SetVariable("_level0.answ1", ListItem(question, 1));
    FlashFight_->SetVariable("_level0.answ2", ListItem(question, 2));
    FlashFight_->SetVariable("_level0.answ3", ListItem(question, 3));
    FlashFight_->SetVariable("_level0.answ4", ListItem(question, 4));
    FlashFight_->SetVariable("_level0.Qstn", ListItem(question, 0));
    FlashFight_->SetVariable("_level0.Ranswer", ListItem(question, 5));
    FlashFight_->SetVariable("_level0.QAflag", ListItem(question, 6));
    FlashFight_->SetVariable("_level0.Init.complete", ListItem(question, 1));
    FlashFight_->SetVariable("_level0.QAID", ListItem(question, 8));
}

void TFrmFight::Fight() {
    MediaPlayer1_->SetFileName(ProgramFolder() + "data\\fight\\" +
                               std::to_string(ComboBoxMusic().currentIndex() + 1) + ".mp3");
    MediaPlayer1_->Open();
    MediaPlayer1_->Play();
    FlashFight_->LoadMovie(0, ProgramFolder() + "data\\fight\\fight" +
                                  std::to_string(ComboBoxBack().currentIndex() + 1) + ".mod");
    SetAll(false);
    // The players answer at the keyboard; a hidden name box must not keep the keys.
    FlashFight_->Widget()->setFocus();
    FlashFight_->SetVariable("_root.imageleft", ShownText(ComboboxImage1()));
    FlashFight_->SetVariable("_root.imageright", ShownText(ComboBoxImage2()));
    FlashFight_->SetVariable("_root.name", Text(EditName1()));
    FlashFight_->SetVariable("_root.NameRight", Text(EditName2()));
    FlashFight_->SetVariable("_root.limit", ShownText(ComboBoxNum()));
}

void TFrmFight::Exits() {
    FlashFight_->LoadMovie(0, ProgramFolder() + "sd.mod");
    SetAll(true);
}

void TFrmFight::FightUplevel() {
    ReleaseMediaPlayer();
    leaving_ = true;
    close();
}

void TFrmFight::ReleaseMediaPlayer() {
    if (MediaPlayer1_ == nullptr) {
        return;
    }
    try {
        MediaPlayer1_->Stop();
    } catch (const MediaError&) {
        // No battle was started, so no music plays.
    }
    MediaPlayer1_->Close();
    delete std::exchange(MediaPlayer1_, nullptr);
}

void TFrmFight::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FlashFight_->Widget()->setFocus();
    }
}

void TFrmFight::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Panel1().setGeometry(rect());
    FlashFight_->Widget()->setGeometry(Panel1().rect());
    // The right player's name box keeps its distance to the right edge.
    EditName2().move(kEditName2Left + width() - kDesignWidth, kEditName2Top);
}

void TFrmFight::keyPressEvent(QKeyEvent* event) {
    // The battle is left through its movie; Esc must not end it behind the players' backs.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrmFight::closeEvent(QCloseEvent* event) {
    // A close from the window system leaves the way "fightUplevel" does: the music stops.
    if (!leaving_) {
        leaving_ = true;
        RunGuarded(platform_, [this] { ReleaseMediaPlayer(); });
    }
    QDialog::closeEvent(event);
}

}  // namespace xuehai
