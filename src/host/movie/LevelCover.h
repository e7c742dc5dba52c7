// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <map>

namespace xuehai {

class MovieLevel;

// A level whose root clip is opaque, shown in full and spans the stage hides every level
// under it: nothing of them could be seen, so they are not drawn and what they drew while
// visible (a map's islands) may be let go. They keep running and come back as they were
// when the covering level goes or stops covering.
void HideCoveredLevels(const std::map<int, MovieLevel*>& levels, QSizeF stage);

}  // namespace xuehai
