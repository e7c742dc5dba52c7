// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace xuehai {

// The standard error box: the game's title, the message and one OK button.
void ShowMovieErrorBox(const std::string& message);

}  // namespace xuehai
