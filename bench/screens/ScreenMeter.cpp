// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenMeter.h"

#include <QtQuick/private/qquickwindow_p.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QQuickRenderControl>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "core/ProcessFigures.h"

namespace xuehai::bench {

namespace {

// The movies' animation step (MovieEngine): no picture can be held at more than its rate.
constexpr double kAnimationStepMs = 18;

// The slower of two paces: how soon a change is drawn (the 95th percentile), and how often
// frames follow one another while the movement runs on. A drawing that holds up the event
// loop delays the animations' own steps, so its changes wait little but come seldom.
double HeldFramesPerSecond(QList<qint64> latenciesNs, int runningFrames, qint64 runningNs) {
    if (latenciesNs.isEmpty()) {
        return 0;
    }
    std::sort(latenciesNs.begin(), latenciesNs.end());
    const double p95Ms = double(latenciesNs[(latenciesNs.size() - 1) * 95 / 100]) / 1e6;
    double held = 1000 / std::max(kAnimationStepMs, p95Ms);
    if (runningFrames > 0 && runningNs > 0) {
        held = std::min(held, runningFrames / (double(runningNs) / 1e9));
    }
    return std::min(held, 1000 / kAnimationStepMs);
}

}  // namespace

double OwnCpuSeconds() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) {
        return -1;
    }
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ProcessCpuSeconds(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (pid <= 0 || !std::getline(stat, line)) {
        return -1;
    }
    // After the command name, which may hold blanks: utime and stime are the 12th and 13th
    // fields, in clock ticks.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 0; i < 13 && fields >> field; ++i) {
        if (i >= 11) {
            ticks += std::stod(field);
        }
    }
    return ticks / double(sysconf(_SC_CLK_TCK));
}

ScreenMeter::ScreenMeter(long serverPid) : serverPid_(serverPid) {}

void ScreenMeter::Start(const QList<QWidget*>& screen) {
    controls_.clear();
    frames_.clear();
    pending_.clear();
    latenciesNs_.clear();
    runningFrames_ = 0;
    runningNs_ = 0;
    clock_.start();
    QList<QQuickWidget*> shown;
    for (QWidget* window : screen) {
        shown += window->findChildren<QQuickWidget*>();
    }
    for (QQuickWidget* control : shown) {
        if (!control->isVisible() || !screen.contains(control->window())) {
            continue;
        }
        // The control's own render control says when its scene changed; the frame that
        // follows shows the change.
        QQuickRenderControl* render =
            QQuickWindowPrivate::get(control->quickWindow())->renderControl;
        if (render == nullptr) {
            continue;
        }
        const qsizetype slot = frames_.size();
        controls_.append(control);
        frames_.append(0);
        pending_.append(Pending());
        const auto changed = [this, slot] {
            Pending& pending = pending_[slot];
            if (pending.changedNs < 0) {
                pending.changedNs = clock_.nsecsElapsed();
                pending.runsOn = pending.lastFrameNs >= 0 &&
                                 pending.changedNs - pending.lastFrameNs < kAnimationStepMs * 1.5e6;
            }
        };
        connect(render, &QQuickRenderControl::sceneChanged, this, changed);
        connect(render, &QQuickRenderControl::renderRequested, this, changed);
        connect(control->quickWindow(), &QQuickWindow::afterRendering, this, [this, slot] {
            ++frames_[slot];
            Pending& pending = pending_[slot];
            const qint64 now = clock_.nsecsElapsed();
            if (pending.changedNs >= 0) {
                latenciesNs_.append(now - pending.changedNs);
                if (pending.runsOn) {
                    ++runningFrames_;
                    runningNs_ += now - pending.lastFrameNs;
                }
                pending.changedNs = -1;
            }
            pending.lastFrameNs = now;
        });
    }
    peakMegabytes_ = 0;
    SampleMemory();
    memoryTimer_ = new QTimer(this);
    connect(memoryTimer_, &QTimer::timeout, this, &ScreenMeter::SampleMemory);
    memoryTimer_->start(250);
    serverStart_ = ProcessCpuSeconds(serverPid_);
    cpuStart_ = OwnCpuSeconds();
    wall_.start();
}

ScreenFigures ScreenMeter::Finish() {
    const double seconds = double(wall_.nsecsElapsed()) / 1e9;
    ScreenFigures figures;
    figures.cpuPercent = (OwnCpuSeconds() - cpuStart_) / seconds * 100;
    if (const double server = ProcessCpuSeconds(serverPid_); server >= 0 && serverStart_ >= 0) {
        figures.serverPercent = (server - serverStart_) / seconds * 100;
    }
    const int busiest = frames_.isEmpty() ? 0 : *std::max_element(frames_.begin(), frames_.end());
    figures.framesPerSecond = busiest / seconds;
    figures.heldFramesPerSecond = HeldFramesPerSecond(latenciesNs_, runningFrames_, runningNs_);
    SampleMemory();
    figures.megabytes = peakMegabytes_;
    memoryTimer_->stop();
    return figures;
}

void ScreenMeter::SampleMemory() {
    peakMegabytes_ = std::max(peakMegabytes_, ResidentMegabytes());
}

}  // namespace xuehai::bench
