// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameGlobals.h"

namespace xuehai {

std::string CurrentUserName;
std::string ReportPlayerName;
std::string ReportFolder;
std::int32_t SavedScreenWidth = 0;
std::int32_t SavedScreenHeight = 0;

}  // namespace xuehai
