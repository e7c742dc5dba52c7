// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "host/Platform.h"
#include "host/ScreenFactory.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class TForm3;
}

namespace xuehai {

struct LoginScreens {
    ScreenFactory mainScreen;
    ScreenFactory battleScreen;
};

// The login screen: the hub after the title. Its movie offers the ways on; the screen shows
// three input controls over it, registers players and opens the map or the battle.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    TForm3(Platform& platform, LoginScreens screens, QWidget* owner);
    ~TForm3() override;

    void flashloginFSCommand(const std::string& command, const std::string& args);
    void ComboBoxWindowChange();

    MovieControl& flashlogin() { return *flashlogin_; }
    QLineEdit& EditName();
    QComboBox& ComboBoxWindow();
    QComboBox& ComboBox1();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void Exit();
    void SecondLogin();
    void Return();
    void EnterMap();
    void EnterNewer();
    void TwoPlayers();
    void OpenMainScreen(bool onTop);

    Platform& platform_;
    LoginScreens screens_;
    std::unique_ptr<Ui::TForm3> ui_;
    MovieControl* flashlogin_ = nullptr;
    bool exiting_ = false;
};

}  // namespace xuehai
