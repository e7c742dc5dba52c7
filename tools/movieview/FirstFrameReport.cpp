// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstFrameReport.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace xuehai {

namespace {

// Milliseconds since the kernel started this process (its start time is kept in clock ticks).
double MillisecondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may hold spaces, begin after its closing ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = double(now.tv_sec) * 1000 + double(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000 / double(sysconf(_SC_CLK_TCK));
}

double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        }
    }
    return -1;
}

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
