// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstFrameReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

#include "core/ProcessFigures.h"

namespace xuehai {

namespace {

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Measured once the paint has finished.
            QTimer::singleShot(0, this, [] {
                std::printf(
                    "first frame after %.0f ms (process start; clock-tick resolution), "
                    "RSS %.1f MB\n",
                    MillisecondsSinceProcessStart(), ResidentMegabytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }
};

}  // namespace

void ReportFirstFrame(QQuickWidget& widget) {
    // The widget may paint before the scene has been rendered; the frame counts once a
    // rendered scene has been painted.
    auto* watcher = new FirstPaintWatcher(&widget);
    QObject::connect(
        widget.quickWindow(), &QQuickWindow::afterRendering, watcher,
        [&widget, watcher] { widget.installEventFilter(watcher); }, Qt::SingleShotConnection);
}

}  // namespace xuehai
