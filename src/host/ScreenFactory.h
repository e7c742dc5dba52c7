// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

namespace xuehai {

// Makes a screen owned by the given window; the caller sizes it and shows it. Screens get
// the screens they open through these, so each can be tested without the others.
using ScreenFactory = std::function<std::unique_ptr<QDialog>(QWidget* owner)>;

}  // namespace xuehai
