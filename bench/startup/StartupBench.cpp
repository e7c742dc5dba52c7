// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the game as a player meets it: process start to the title movie's first
// frame, and the memory of the process once the login screen shows. Each figure comes from
// a fresh process (start-up happens once per process), so the program runs itself several
// times and prints the median.
#include <QApplication>
#include <QProcess>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/ProcessFigures.h"
#include "core/ProgramFolder.h"
#include "host/movie/MovieEngine.h"
#include "host/services/QtPlatform.h"
#include "host/services/TMediaPlayer.h"
#include "shell/DesignFonts.h"
#include "shell/ScreenChain.h"
#include "shell/TFormtitle.h"

namespace {

constexpr int kRuns = 7;
constexpr double kFirstFrameTargetMs = 300;
constexpr double kLoginMemoryTargetMb = 120;

// Calls done once the widget has painted a rendered scene.
template <typename Done>
void OnFirstFrame(QQuickWidget& widget, Done done) {
    QObject::connect(
        widget.quickWindow(), &QQuickWindow::afterRendering, &widget,
        [&widget, done] { QTimer::singleShot(0, &widget, done); }, Qt::SingleShotConnection);
}

// One start: the title, its first frame, then the login screen; prints "ms MB".
int MeasureOnce(int argc, char** argv) {
    xuehai::UseSoftwareQuickRenderer();
    QApplication app(argc, argv);
    xuehai::SetProgramFolder(XUEHAI_GAME_DIR);
    xuehai::InstallDesignFonts();
    xuehai::SetMusicMuted(true);
    xuehai::QtPlatform platform({.window = true});
    xuehai::ScreenChain screens(platform);
    xuehai::TFormtitle title(platform, screens.LoginScreen());

    double firstFrameMs = -1;
    auto* titleMovie = qobject_cast<QQuickWidget*>(title.title().Widget());
    OnFirstFrame(*titleMovie, [&] {
        firstFrameMs = xuehai::MillisecondsSinceProcessStart();
        // The login screen runs in a nested modal loop; measure once it has shown its movie.
        QTimer::singleShot(0, &app, [&] {
            QTimer::singleShot(0, &app, [&] {
                auto* login = QApplication::activeModalWidget();
                auto* loginMovie = login ? login->findChild<QQuickWidget*>() : nullptr;
                if (!loginMovie) {
                    std::printf("-1 -1\n");
                    platform.Terminate();
                    return;
                }
                OnFirstFrame(*loginMovie, [&] {
                    std::printf("%.1f %.1f\n", firstFrameMs, xuehai::ResidentMegabytes());
                    std::fflush(stdout);
                    platform.Terminate();
                });
                loginMovie->update();
            });
            title.titleFSCommand("end", "");
        });
    });
    title.show();
    return QApplication::exec();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int MeasureRuns(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<double> firstFrames;
    std::vector<double> memory;
    for (int run = 0; run < kRuns; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!child.waitForFinished(60000)) {
            std::fprintf(stderr, "run %d did not finish\n", run + 1);
            return 1;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 2 || figures[0].toDouble() < 0) {
            std::fprintf(stderr, "run %d measured nothing\n", run + 1);
            return 1;
        }
        firstFrames.push_back(figures[0].toDouble());
        memory.push_back(figures[1].toDouble());
    }
    const double frame = Median(firstFrames);
    const double rss = Median(memory);
    std::printf("Start-up, median of %d runs:\n", kRuns);
    std::printf("  title movie's first frame  %6.0f ms   (target < %.0f ms)  %s\n", frame,
                kFirstFrameTargetMs, frame < kFirstFrameTargetMs ? "ok" : "OVER");
    std::printf("  memory with login showing  %6.1f MB   (target < %.0f MB)  %s\n", rss,
                kLoginMemoryTargetMb, rss < kLoginMemoryTargetMb ? "ok" : "OVER");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && QByteArray(argv[1]) == "--once") {
        return MeasureOnce(argc, argv);
    }
    return MeasureRuns(argc, argv);
}
