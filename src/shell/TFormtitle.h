// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "host/Platform.h"
#include "host/ScreenFactory.h"

namespace xuehai {

// The title screen: the application's main window. It saves the desktop size, switches the
// display to 800 x 600 when needed, plays the title movie and, on its "end" or on Esc, hides
// itself for good and opens the login screen.
class TFormtitle : public QWidget {
    Q_OBJECT

public:
    TFormtitle(Platform& platform, ScreenFactory makeLogin);

    void titleFSCommand(const std::string& command, const std::string& args);
    void FormKeyDown(int key);

    // The title movie, until the login screen opens.
    MovieControl& title() { return *title_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void OpenLoginScreen();
    void ReleaseTitleMovie();

    Platform& platform_;
    ScreenFactory makeLogin_;
    MovieControl* title_ = nullptr;
    bool loginOpened_ = false;
};

}  // namespace xuehai
