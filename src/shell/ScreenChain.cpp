// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ScreenChain.h"

#include "mainscreen/TForm1.h"
#include "screens/TFrmFight.h"
#include "screens/TFrmPrint.h"
#include "shell/TForm3.h"

namespace xuehai {

ScreenFactory ScreenChain::LoginScreen() {
    return [this](QWidget* owner) -> std::unique_ptr<QDialog> {
        return std::make_unique<TForm3>(platform_, LoginScreens{MainScreen(), BattleScreen()},
                                        owner);
    };
}

ScreenFactory ScreenChain::MainScreen() {
    return [this](QWidget* owner) -> std::unique_ptr<QDialog> {
        return std::make_unique<TForm1>(platform_, MainScreenLinks{LoginScreen(), ReportScreen()},
                                        owner);
    };
}

ScreenFactory ScreenChain::BattleScreen() {
    return [this](QWidget* owner) -> std::unique_ptr<QDialog> {
        return std::make_unique<TFrmFight>(platform_, owner);
    };
}

ScreenFactory ScreenChain::ReportScreen() {
    return [this](QWidget* owner) -> std::unique_ptr<QDialog> {
        return std::make_unique<TFrmPrint>(platform_, owner);
    };
}

}  // namespace xuehai
