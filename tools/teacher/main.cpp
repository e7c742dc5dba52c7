// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "DeskFont.h"
#include "TeacherWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("xuehai-teacher"));
    QApplication::setApplicationDisplayName(QStringLiteral("学海 教师台"));
    xuehai::teacher::UseChineseFace();
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
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("在机房的学海服务器上工作：libpq 连接串（host=… dbname=…）、"
                       "postgresql:// 地址或服务名；密码写在 ~/.pgpass 里"),
        QStringLiteral("CONNINFO"));
    parser.addOption(server);
    parser.process(app);
    xuehai::teacher::TeacherWindow window;
    window.resize(1100, 700);
    window.show();
    if (parser.isSet(server)) {
        window.OpenServer(parser.value(server).toStdString());
    } else if (!parser.positionalArguments().isEmpty()) {
        window.OpenFolder(QDir(parser.positionalArguments().first()).absolutePath().toStdString());
    }
    return QApplication::exec();
}
