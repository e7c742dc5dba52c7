// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen/MainScreenGlobals.h"

namespace xuehai {

std::unique_ptr<TuserInfo> UserRecords;
bool MusicLoop = true;
int TestType = 0;

}  // namespace xuehai
