// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace xuehai {

// Once the widget has painted for the first time: prints how long that took from the start
// of the process and the resident memory, then ends the application.
void ReportFirstFrame(QWidget& widget);

}  // namespace xuehai
