// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "TeacherWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xuehai-teacher"));
    QApplication::setApplicationDisplayName(QStringLiteral("学海 教师台"));
    // Qt's own dialogs (files, printing, buttons) in Chinese too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("学海 教师台：看班级、编题库、管玩家。"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("GAMEFOLDER"), QStringLiteral("游戏所在的文件夹"));
    parser.process(app);
    xuehai::teacher::TeacherWindow window;
    window.resize(1100, 700);
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.OpenFolder(QDir(parser.positionalArguments().first()).absolutePath().toStdString());
    }
    return QApplication::exec();
}
