// SPDX-License-Identifier: GPL-3.0-or-later
// What each screen costs while a player looks at it: the game is led to the screen with its
// real movie, left to play for a while, and its CPU time, frames and memory are measured.
// Each screen plays in a process of its own on an X server of its own, at 800 × 600 and at
// 1920 × 1080, with each of Qt Quick's two ways of drawing.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <map>
#include <vector>

#include "ScreenMeter.h"
#include "ScreenWalk.h"
#include "VirtualDisplay.h"
#include "core/ProgramFolder.h"
#include "host/drawingcore/DrawingCore.h"
#include "host/freedmemory/LargeBlocks.h"
#include "host/movie/MovieEngine.h"
#include "host/services/QtPlatform.h"
#include "host/services/TMediaPlayer.h"
#include "host/widgets/SizeText.h"
#include "shell/DesignFonts.h"
#include "shell/DesktopMode.h"
#include "shell/DisplayFit.h"
#include "shell/ScreenChain.h"
#include "shell/TFormtitle.h"

namespace {

using xuehai::bench::ScreenFigures;

constexpr int kSettleMs = 1000;
constexpr double kFpsTarget = 50;
constexpr double kMemoryTarget = 120;

double CpuTarget(QSize size) {
    return size.width() <= 800 ? 20 : 30;
}

std::optional<xuehai::QuickRenderer> ParseRenderer(const QString& name) {
    if (name == QLatin1String("software")) {
        return xuehai::QuickRenderer::Software;
    }
    if (name == QLatin1String("opengl")) {
        return xuehai::QuickRenderer::OpenGL;
    }
    return std::nullopt;
}

// One screen in this process; prints "cpu server fps megabytes held-fps".
int PlayOne(int argc, char** argv, const QString& screen, const QString& renderer, int seconds) {
    // As the game does.
    xuehai::ReturnLargeBlocksAtOnce();
    const xuehai::QuickRenderer quick = *ParseRenderer(renderer);
    xuehai::UseQuickRenderer(quick);
    QApplication app(argc, argv);
    // As the game does.
    if (quick == xuehai::QuickRenderer::Software &&
        !qEnvironmentVariableIsSet("XUEHAI_BENCH_ANY_CORE")) {
        xuehai::KeepDrawingOnOneCore();
    }
    // A copy of the demo game folder: the players and answers the walk makes stay in it.
    QTemporaryDir folder;
    std::filesystem::copy(XUEHAI_GAME_DIR, folder.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    xuehai::SetProgramFolder(folder.path().toStdString());
    xuehai::InstallDesignFonts();
    xuehai::SetMusicMuted(true);
    xuehai::QtPlatform platform({.window = false});
    xuehai::ScreenChain screens(platform);
    xuehai::TFormtitle title(platform, screens.LoginScreen());
    // As the game starts: where the display kept its size, the screens are an evenly scaled
    // 800 × 600 picture.
    const std::unique_ptr<QWindow> backdrop =
        xuehai::FitScreensToDisplay(false, xuehai::DesktopMode::Switched());

    xuehai::bench::ScreenMeter meter(qEnvironmentVariableIntValue("XUEHAI_BENCH_SERVER_PID"));
    std::unique_ptr<xuehai::bench::ScreenWalk> walk;
    walk = std::make_unique<xuehai::bench::ScreenWalk>(title, screen, [&] {
        QTimer::singleShot(kSettleMs, &app, [&] {
            meter.Start(walk->Shown());
            QTimer::singleShot(seconds * 1000, &app, [&] {
                const ScreenFigures figures = meter.Finish();
                std::printf("%.1f %.1f %.1f %.1f %.1f\n", figures.cpuPercent, figures.serverPercent,
                            figures.framesPerSecond, figures.megabytes,
                            figures.heldFramesPerSecond);
                std::fflush(stdout);
                std::_Exit(0);
            });
        });
    });
    title.show();
    return QApplication::exec();
}

struct Row {
    QString screen;
    std::optional<ScreenFigures> figures;
};

std::optional<ScreenFigures> RunChild(const QString& display, long serverPid, const QString& screen,
                                      const QString& renderer, int seconds) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XUEHAI_BENCH_SERVER_PID"), QString::number(serverPid));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--play"), screen, QStringLiteral("--renderer"), renderer,
                 QStringLiteral("--seconds"), QString::number(seconds)});
    if (!child.waitForFinished((seconds + 60) * 1000)) {
        child.kill();
        child.waitForFinished();
        return std::nullopt;
    }
    const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
    if (values.size() != 5) {
        return std::nullopt;
    }
    // In the order PlayOne prints them.
    return ScreenFigures{.cpuPercent = values[0].toDouble(),
                         .serverPercent = values[1].toDouble(),
                         .framesPerSecond = values[2].toDouble(),
                         .heldFramesPerSecond = values[4].toDouble(),
                         .megabytes = values[3].toDouble()};
}

const char* Mark(bool ok) {
    return ok ? "  " : " !";
}

void PrintTable(QSize size, const QString& renderer, const std::vector<Row>& rows) {
    const double cpuTarget = CpuTarget(size);
    std::printf(
        "\n%d × %d, %s renderer   targets: CPU ≤ %.0f %% of one core, ≥ %.0f fps while "
        "animating, ≤ %.0f MB\n",
        size.width(), size.height(), qPrintable(renderer), cpuTarget, kFpsTarget, kMemoryTarget);
    std::printf("  %-10s %8s %10s %8s %10s %8s\n", "screen", "CPU %", "X server %", "fps",
                "held fps", "MB");
    for (const Row& row : rows) {
        if (!row.figures) {
            std::printf("  %-10s   (did not run)\n", qPrintable(row.screen));
            continue;
        }
        const ScreenFigures& f = *row.figures;
        std::printf("  %-10s %6.1f%s %10.1f %8.1f %8.1f%s %6.1f%s\n", qPrintable(row.screen),
                    f.cpuPercent, Mark(f.cpuPercent <= cpuTarget), f.serverPercent,
                    f.framesPerSecond, f.heldFramesPerSecond,
                    Mark(f.heldFramesPerSecond >= kFpsTarget), f.megabytes,
                    Mark(f.megabytes <= kMemoryTarget));
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays each screen of the game and prints its CPU share, frames and memory."));
    parser.addHelpOption();
    const QCommandLineOption sizes(QStringLiteral("sizes"),
                                   QStringLiteral("X screen sizes (default 800x600,1920x1080)."),
                                   QStringLiteral("WxH,..."), QStringLiteral("800x600,1920x1080"));
    const QCommandLineOption renderers(
        QStringLiteral("renderers"),
        QStringLiteral("software, opengl or both (default software,opengl)."),
        QStringLiteral("list"), QStringLiteral("software,opengl"));
    const QCommandLineOption screens(QStringLiteral("screens"),
                                     QStringLiteral("Screens to play (default all): %1.")
                                         .arg(xuehai::bench::ScreenWalk::Screens().join(u',')),
                                     QStringLiteral("list"));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     QStringLiteral("How long each screen is measured (10)."),
                                     QStringLiteral("n"), QStringLiteral("10"));
    const QCommandLineOption play(QStringLiteral("play"),
                                  QStringLiteral("Plays one screen in this process."),
                                  QStringLiteral("screen"));
    const QCommandLineOption renderer(QStringLiteral("renderer"),
                                      QStringLiteral("The renderer of --play."),
                                      QStringLiteral("name"), QStringLiteral("software"));
    parser.addOptions({sizes, renderers, screens, seconds, play, renderer});
    parser.process(arguments);
    const int measureSeconds = std::max(1, parser.value(seconds).toInt());

    if (parser.isSet(play)) {
        if (!ParseRenderer(parser.value(renderer))) {
            std::fprintf(stderr, "unknown renderer %s\n", qPrintable(parser.value(renderer)));
            return 2;
        }
        return PlayOne(argc, argv, parser.value(play), parser.value(renderer), measureSeconds);
    }

    QCoreApplication app(argc, argv);
    const QStringList chosen = parser.isSet(screens) ? parser.value(screens).split(u',')
                                                     : xuehai::bench::ScreenWalk::Screens();
    for (const QString& name : parser.value(renderers).split(u',')) {
        if (!ParseRenderer(name)) {
            std::fprintf(stderr, "unknown renderer %s\n", qPrintable(name));
            return 2;
        }
    }
    for (const QString& text : parser.value(sizes).split(u',')) {
        const std::optional<QSize> size = xuehai::ParseSizeText(text);
        if (!size) {
            std::fprintf(stderr, "a size looks like 800x600, not %s\n", qPrintable(text));
            return 2;
        }
        xuehai::bench::VirtualDisplay display(*size);
        if (!display.Running()) {
            std::fprintf(stderr, "cannot start Xvfb at %s\n", qPrintable(text));
            return 1;
        }
        for (const QString& name : parser.value(renderers).split(u',')) {
            std::vector<Row> rows;
            for (const QString& screen : chosen) {
                rows.push_back({screen, RunChild(display.Name(), display.ServerPid(), screen, name,
                                                 measureSeconds)});
            }
            PrintTable(*size, name, rows);
        }
    }
    return 0;
}
