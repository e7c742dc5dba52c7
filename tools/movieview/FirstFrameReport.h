// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QQuickWidget;

namespace xuehai {

// Once the widget has shown its first rendered frame: prints how long that took from the
// start of the process and the resident memory, then ends the application.
void ReportFirstFrame(QQuickWidget& widget);

}  // namespace xuehai
