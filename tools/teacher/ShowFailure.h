// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace xuehai::teacher {

// A warning box for a failure whose message starts with its own plain Chinese words and
// gives the technical account (the server's or libpq's words) after an empty line: the
// words in the box, the account behind its details button.
void ShowFailure(QWidget* parent, const QString& title, const std::string& message);

}  // namespace xuehai::teacher
