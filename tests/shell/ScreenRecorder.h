// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QRect>
#include <memory>
#include <vector>

#include "host/ScreenFactory.h"

namespace xuehai::testing {

// What a screen looked like at the moment it was shown modally.
struct ShownScreen {
    QWidget* owner = nullptr;
    QRect geometry;
    bool onTop = false;
};

// Stands in for a screen the tested one opens: its modal loop returns at once, and what the
// opener did to it before showing it is kept.
class ScreenRecorder {
public:
    ScreenFactory Factory();
    const std::vector<ShownScreen>& Shown() const { return shown_; }

private:
    std::vector<ShownScreen> shown_;
};

}  // namespace xuehai::testing
