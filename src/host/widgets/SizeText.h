// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace xuehai {

// A size as the command lines of the tools write it, "800x600": two positive whole numbers
// with an x between them. Nothing for anything else.
std::optional<QSize> ParseSizeText(const QString& text);

}  // namespace xuehai
