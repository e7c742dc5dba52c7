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
    const QCommandLineOption mute(QStringLiteral("mute"), QStringLiteral("Play without music."));
    parser.addOption(window);
    parser.addOption(fullscreen);
    parser.addOption(mute);
    parser.process(app);

    GameOptions options;
    options.windowed = parser.isSet(window) && !parser.isSet(fullscreen);
    options.mute = parser.isSet(mute);
    return options;
}

}  // namespace xuehai
