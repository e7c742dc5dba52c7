// SPDX-License-Identifier: GPL-3.0-or-later
// xuehai-movie: plays one movie file the way the game does, for movie authors.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QQmlEngine>
#include <QTextStream>
#include <cstdio>
#include <iostream>

#include "FirstFrameReport.h"
#include "core/ProgramFolder.h"
#include "host/movie/MovieEngine.h"
#include "host/movie/TShockwaveFlash.h"
#include "host/widgets/SizeText.h"

namespace {

using xuehai::ScaleMode;

std::optional<ScaleMode> ParseScale(const QString& text) {
    const QString mode = text.toLower();
    if (mode == QLatin1String("exactfit")) {
        return ScaleMode::ExactFit;
    }
    if (mode == QLatin1String("noborder")) {
        return ScaleMode::NoBorder;
    }
    if (mode == QLatin1String("showall")) {
        return ScaleMode::ShowAll;
    }
    return std::nullopt;
}

// The nearest folder at or above the movie that holds the shared components Xuehai/Ui.
QString FindSharedComponents(const QString& movieFolder) {
    for (QDir dir(movieFolder);;) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("Xuehai/Ui/qmldir")))) {
            return dir.absolutePath();
        }
        if (!dir.cdUp()) {
            return {};
        }
    }
}

[[noreturn]] void Fail(QCommandLineParser& parser, const QString& message) {
    std::fprintf(stderr, "xuehai-movie: %s\n\n%s", qPrintable(message),
                 qPrintable(parser.helpText()));
    std::exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
    xuehai::UseSoftwareQuickRenderer();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xuehai-movie"));
    QApplication::setApplicationVersion(QStringLiteral(XUEHAI_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays one movie of the game in a window and prints the commands it raises."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("exactfit, noborder or showall (default)."),
                                   QStringLiteral("mode"), QStringLiteral("showall"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("The window's size (default 800x600)."),
                                  QStringLiteral("WxH"), QStringLiteral("800x600"));
    const QCommandLineOption import(QStringLiteral("import"),
                                    QStringLiteral("A further QML import folder."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("Sets a variable after loading, as the host does "
                                                "(e.g. _root.Qstn=text)."),
                                 QStringLiteral("name=value"));
    const QCommandLineOption firstFrame(
        QStringLiteral("first-frame-report"),
        QStringLiteral("Prints the time from process start to the first frame and the "
                       "memory in use, then quits."));
    parser.addOptions({scale, size, import, set, firstFrame});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The movie to play."));
    parser.process(app);

    if (parser.positionalArguments().size() != 1) {
        Fail(parser, QStringLiteral("name one movie file."));
    }
    const std::optional<ScaleMode> scaleMode = ParseScale(parser.value(scale));
    if (!scaleMode) {
        Fail(parser, QStringLiteral("unknown scale mode '%1'.").arg(parser.value(scale)));
    }
    const std::optional<QSize> windowSize = xuehai::ParseSizeText(parser.value(size));
    if (!windowSize) {
        Fail(parser, QStringLiteral("the size must look like 800x600."));
    }
    const QFileInfo movie(parser.positionalArguments().front());
    if (!movie.isFile()) {
        Fail(parser, QStringLiteral("no such file '%1'.").arg(movie.filePath()));
    }

    // The movie's folder plays the game folder, so its relative paths work as in the game.
    xuehai::SetProgramFolder(movie.absolutePath().toStdString());
    const std::shared_ptr<QQmlEngine> engine = xuehai::SharedMovieEngine();
    if (const QString shared = FindSharedComponents(movie.absolutePath()); !shared.isEmpty()) {
        engine->addImportPath(shared);
    }
    for (const QString& dir : parser.values(import)) {
        engine->addImportPath(QDir(dir).absolutePath());
    }

    xuehai::MovieSettings settings;
    settings.name = "movieview";
    settings.scaleMode = *scaleMode;
    xuehai::TShockwaveFlash control(settings, nullptr, [](const std::string& message) {
        std::cerr << "error: " << message << std::endl;
    });
    control.setWindowTitle(QStringLiteral("%1 — xuehai-movie").arg(movie.fileName()));
    control.resize(*windowSize);
    control.OnFSCommand = [](const std::string& command, const std::string& args) {
        std::cout << "fscommand \"" << command << "\" \"" << args << '"' << std::endl;
    };
    if (parser.isSet(firstFrame)) {
        xuehai::ReportFirstFrame(control);
    }
    control.SetMovie(movie.fileName().toStdString());
    for (const QString& assignment : parser.values(set)) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            Fail(parser, QStringLiteral("--set wants name=value, not '%1'.").arg(assignment));
        }
        control.SetVariable(assignment.left(equals).toStdString(),
                            assignment.mid(equals + 1).toStdString());
    }
    control.show();
    return QApplication::exec();
}
