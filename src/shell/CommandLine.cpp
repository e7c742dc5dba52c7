// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace xuehai {

GameOptions ParseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("学海 — a knowledge-quiz adventure for pupils."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption window(QStringLiteral("window"),
                                    QStringLiteral("Play in an 800 x 600 window; leave the "
                                                   "display mode alone."));
    const QCommandLineOption fullscreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Play full-screen at 800 x 600 "
                                                       "(the default)."));
    const QCommandLineOption mute(QStringLiteral("mute"),
                                  QStringLiteral("Play without music; no sound device is opened."));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Play on the game folder DIR (a class's folder); "
                                                 "an empty or new DIR is made from the installed "
                                                 "game."),
                                  QStringLiteral("DIR"));
    parser.addOption(window);
    parser.addOption(fullscreen);
    parser.addOption(mute);
    parser.addOption(data);
    parser.process(app);

    GameOptions options;
    options.windowed = parser.isSet(window) && !parser.isSet(fullscreen);
    options.mute = parser.isSet(mute);
    if (parser.isSet(data)) {
        options.dataFolder = parser.value(data).toStdString();
    }
    return options;
}

}  // namespace xuehai
