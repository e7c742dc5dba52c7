// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Platform.h"
#include "host/ScreenFactory.h"

namespace xuehai {

// Knows every screen and which screen opens which: the login screen opens the map and the
// battle, the map opens the report and, on "uplevel", a login screen of its own.
class ScreenChain {
public:
    explicit ScreenChain(Platform& platform) : platform_(platform) {}

    ScreenFactory LoginScreen();
    ScreenFactory MainScreen();
    ScreenFactory BattleScreen();
    ScreenFactory ReportScreen();

private:
    Platform& platform_;
};

}  // namespace xuehai
