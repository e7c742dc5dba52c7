// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

class QAbstractItemModel;

namespace xuehai::teacher {

// A model's header and rows as CSV lines, the cells as the table shows them.
std::string TableCsv(const QAbstractItemModel& model);

// Writes CSV text to a file, UTF-8 with a byte order mark so spreadsheets read it right;
// false when the file cannot be written.
bool WriteCsvFile(const QString& path, const std::string& csv);

}  // namespace xuehai::teacher
