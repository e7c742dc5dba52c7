// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace xuehai {

// The name the report offers to save its picture under: the player's name and the day,
// "小明-2026-12-09.bmp". Whatever a name may hold that a file system refuses or a file
// manager misreads (slashes, the characters other systems reserve, control characters, a
// leading dot that hides the file) is left out or replaced, and a long name is cut short;
// a name with nothing left is offered as the default player's.
QString ReportFileName(const QString& playerName, QDate day);

}  // namespace xuehai
