// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/ProgramFolder.h"

namespace xuehai::test {

void MovieTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    SetProgramFolder(folder_.path().toStdString());
}

std::string MovieTest::Write(const QString& relativePath, const QByteArray& qml) {
    const QString path = folder_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(qml);
    return path.toStdString();
}

std::unique_ptr<TShockwaveFlash> MovieTest::MakeControl(MovieSettings settings) {
    auto control = std::make_unique<TShockwaveFlash>(
        settings, nullptr, [this](const std::string& message) { errors_.push_back(message); });
    control->resize(800, 600);
    control->show();
    control->OnFSCommand = [this](const std::string& command, const std::string& args) {
        commands_.emplace_back(command, args);
    };
    return control;
}

void MovieTest::Settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QByteArray MovieWith(const QByteArray& body) {
    return "import QtQuick\nimport Xuehai.Movie\nClip {\n id: root\n width: 800; height: 600\n" +
           body + "\n}\n";
}

}  // namespace xuehai::test
