// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

#include "host/Platform.h"

class QWidget;

namespace xuehai {

// The dialog's name filters. A filter written as "description|pattern" pairs
// ("Bitmaps (*.bmp)|*.bmp") becomes one Qt filter per pair, with the pattern added to the
// description where it is not already shown; any other text is taken as Qt filters.
QStringList SaveDialogNameFilters(const QString& filter);

// Where the dialog opens: fileName in the user's pictures folder, or in the home folder
// when there is no pictures folder (yet).
QString SaveDialogStartPath(const QString& fileName);

// Asks for a file name to save under; nothing when the player cancels.
std::optional<QString> AskSaveFileNameWithDialog(QWidget* parent, const SaveDialogRequest& request);

}  // namespace xuehai
