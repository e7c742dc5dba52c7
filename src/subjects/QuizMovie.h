// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace xuehai::subjects {

// The quiz movie template of the game's subjects, with @CODE@ and @NAME@ to fill in.
std::string_view QuizTemplate();

// A subject's quiz movie (Data/Qut<code>/Q<code>.mod), as the build makes it.
std::string QuizMovieText(const std::string& code, const std::string& name);

}  // namespace xuehai::subjects
