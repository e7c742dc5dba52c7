// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>

class QQuickWidget;
class QTimer;

namespace xuehai::bench {

// What a screen cost over a measured stretch of time.
struct ScreenFigures {
    double cpuPercent = 0;       // this process's CPU time over wall time, of one core
    double serverPercent = -1;   // the display server's, where its process is known
    double framesPerSecond = 0;  // frames of the busiest movie control on the screen
    // The pace the movement is held at, as frames a second and at most the animations' own
    // step rate: the slower of how soon a change of the picture is drawn (the 95th
    // percentile of the time from change to frame, over every control) and how often frames
    // follow one another while the movement runs on. Motion kept to whole pixels changes the
    // picture less often than every step; this still tells whether each change came in time.
    double heldFramesPerSecond = 0;
    double megabytes = 0;  // the largest resident memory seen
};

// Counts the frames the movie controls render and samples the process's CPU time and
// memory between Start and Finish.
class ScreenMeter : public QObject {
    Q_OBJECT
public:
    // serverPid: the display server's process, or 0 where it is not known.
    explicit ScreenMeter(long serverPid);

    // Measures the movie controls inside the windows that show the screen.
    void Start(const QList<QWidget*>& screen);
    ScreenFigures Finish();

private:
    void SampleMemory();

    long serverPid_;
    QList<QPointer<QQuickWidget>> controls_;
    QList<int> frames_;
    // Per control, on clock_: when a changed picture began to wait for its frame (-1: none
    // waits), whether it changed right after the last frame (the movement runs on), and when
    // that frame was.
    struct Pending {
        qint64 changedNs = -1;
        bool runsOn = false;
        qint64 lastFrameNs = -1;
    };
    QElapsedTimer clock_;
    QList<Pending> pending_;
    QList<qint64> latenciesNs_;
    // The frames of running movement and the time between each and the frame before it.
    int runningFrames_ = 0;
    qint64 runningNs_ = 0;
    QElapsedTimer wall_;
    double cpuStart_ = 0;
    double serverStart_ = 0;
    double peakMegabytes_ = 0;
    QTimer* memoryTimer_ = nullptr;
};

// CPU time (user and system) of this process, and of another, in seconds; -1 if unknown.
double OwnCpuSeconds();
double ProcessCpuSeconds(long pid);

}  // namespace xuehai::bench
