// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TForm3.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/GameGlobals.h"
#include "core/IntegerText.h"
#include "core/ProgramFolder.h"
#include "host/widgets/Cp936Validator.h"
#include "host/widgets/ScreenPlacement.h"
#include "shell/DesktopMode.h"
#include "store/CommandTransaction.h"
#include "store/LockedRecords.h"
#include "store/TuserInfo.h"
#include "ui_TForm3.h"

namespace xuehai {

namespace {
constexpr int kDesignWidth = 792;
constexpr int kNameBytes = 10;

// Registers the player in one command: the name is looked up and added under the records'
// write lock, so two programs cannot both add it, and a lock another program keeps on the
// records holds the screen up at most the command's budget. False when the name is taken.
bool RegisterPlayer(const std::string& name, int avatar) {
    bool added = false;
    ExplainLockedRecords(
        "新玩家没有登记上：游戏的记录文件正被另一个程序占用。"
        "请关掉那个程序，然后再点一次。",
        [&] {
            CommandTransaction command;
            TuserInfo records(ProgramFolder() + "save\\userinfo.dat");
            command.Write(records.Database());
            added = records.AddUser(name, avatar);
            command.Commit();
        });
    return added;
}

}  // namespace

TForm3::TForm3(Platform& platform, LoginScreens screens, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint),
      platform_(platform),
      screens_(std::move(screens)),
      ui_(std::make_unique<Ui::TForm3>()) {
    ui_->setupUi(this);
    EditName().setValidator(new Cp936Validator(kNameBytes, this));
    flashlogin_ = platform_.CreateMovieControl(
        this, {"flashlogin", WindowMode::Transparent, ScaleMode::ExactFit, true});
    flashlogin_->Widget()->setGeometry(rect());
    flashlogin_->Widget()->lower();
    flashlogin_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        flashloginFSCommand(command, args);
    };
    connect(&ComboBoxWindow(), &QComboBox::activated, this,
            [this] { RunGuarded(platform_, [this] { ComboBoxWindowChange(); }); });
    RunGuarded(platform_, [this] { FormCreate(); });
}

TForm3::~TForm3() = default;

QLineEdit& TForm3::EditName() {
    return *ui_->EditName;
}
QComboBox& TForm3::ComboBoxWindow() {
    return *ui_->ComboBoxWindow;
}
QComboBox& TForm3::ComboBox1() {
    return *ui_->ComboBox1;
}

void TForm3::FormCreate() {
    flashlogin_->SetMovie(ProgramFolder() + "s1.mod");
    ComboBoxWindow().setCurrentIndex(-1);
    ComboBox1().setCurrentIndex(-1);
    TuserInfo records(ProgramFolder() + "Save\\userinfo.dat");
    ComboBox1().clear();
    for (const std::string& name : records.GetUserNames()) {
        ComboBox1().addItem(QString::fromStdString(name));
    }
    ComboBox1().setCurrentIndex(-1);
}

void TForm3::ComboBoxWindowChange() {
    flashlogin_->SetVariable("iImageNum", ComboBoxWindow().currentText().toStdString());
    flashlogin_->TPlay("_root.image");
}

void TForm3::flashloginFSCommand(const std::string& command, const std::string&) {
    if (command == "exit") {
        Exit();
    } else if (command == "2ndlogin") {
        SecondLogin();
    } else if (command == "return") {
        Return();
    } else if (command == "entermap") {
        EnterMap();
    } else if (command == "enternewer") {
        EnterNewer();
    } else if (command == "twop") {
        TwoPlayers();
    }
}

void TForm3::Exit() {
    exiting_ = true;
    const bool restored =
        platform_.SetDisplayMode(static_cast<std::uint16_t>(SavedScreenWidth),
                                 static_cast<std::uint16_t>(SavedScreenHeight), 85);
    DesktopMode::RestoreIfStillSwitched(platform_, restored);
    platform_.Terminate();
}

void TForm3::SecondLogin() {
    ComboBoxWindow().setCurrentIndex(0);
    ComboBox1().setCurrentIndex(-1);
    EditName().setVisible(true);
    ComboBox1().setVisible(true);
    ComboBoxWindow().setVisible(true);
}

void TForm3::Return() {
    EditName().setVisible(false);
    ComboBox1().setVisible(false);
    ComboBoxWindow().setVisible(false);
}

void TForm3::EnterMap() {
    CurrentUserName = EditName().text().toStdString();
    if (ComboBox1().currentIndex() >= 0) {
        CurrentUserName = ComboBox1().currentText().toStdString();
        OpenMainScreen(false);
        return;
    }
    if (CurrentUserName.empty()) {
        platform_.ShowMessage("请输入用户名");
        return;
    }
    const int avatar = StrToInt(flashlogin_->GetVariable("iImageNum"));
    if (!RegisterPlayer(CurrentUserName, avatar)) {
        platform_.ShowMessage("用户已经存在了喔！");
        return;
    }
    // Adding to an empty list would select the new entry; the selection must stay as it was.
    const int selected = ComboBox1().currentIndex();
    ComboBox1().addItem(QString::fromStdString(CurrentUserName));
    ComboBox1().setCurrentIndex(selected);
    OpenMainScreen(false);
}

void TForm3::EnterNewer() {
    CurrentUserName = EditName().text().toStdString();
    if (CurrentUserName.empty()) {
        platform_.ShowMessage("请输入用户名");
        return;
    }
    if (!RegisterPlayer(CurrentUserName, 1)) {
        platform_.ShowMessage("用户已经存在了喔！");
        return;
    }
    OpenMainScreen(true);
}

void TForm3::TwoPlayers() {
    std::unique_ptr<QDialog> battle = screens_.battleScreen(this);
    CoverScreen(*battle, platform_.ScreenSize());
    battle->exec();
}

void TForm3::OpenMainScreen(bool onTop) {
    std::unique_ptr<QDialog> map = screens_.mainScreen(this);
    map->resize(platform_.ScreenSize());
    if (onTop) {
        map->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    CentreOnScreen(*map);
    map->exec();
}

void TForm3::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    flashlogin_->Widget()->setGeometry(rect());
    // The two lists are anchored to the right edge; the name box stays where it was designed.
    const int shift = width() - kDesignWidth;
    ComboBoxWindow().move(570 + shift, 174);
    ComboBox1().move(576 + shift, 296);
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    // Esc must not close the hub behind the player's back; only "exit" ends the run.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::closeEvent(QCloseEvent* event) {
    // A close from the window system ends the run the way "exit" does.
    if (!exiting_) {
        event->ignore();
        RunGuarded(platform_, [this] { Exit(); });
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace xuehai
