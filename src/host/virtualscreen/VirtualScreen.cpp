// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/virtualscreen/VirtualScreen.h"

#include <private/qhighdpiscaling_p.h>

#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include "host/movie/MovieDrawing.h"
#include "host/virtualscreen/VirtualScreenFit.h"

namespace xuehai::VirtualScreen {

namespace {

std::optional<QRect> picture;
QtMessageHandler forwardTo = nullptr;

// The factor the player may have asked Qt for; ours comes on top of it.
qreal AskedFactor() {
    bool ok = false;
    const qreal asked = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && asked > 0 ? asked : 1;
}

// Movie controls keep hidden windows of their own from their creation on, which Qt warns
// about when the scale changes; they follow the new scale when they are first shown.
void DropWarningOnHiddenWindows(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtWarningMsg && message.contains(QStringLiteral("QHighDpiScaling::setFactor"))) {
        return;
    }
    forwardTo(type, context, message);
}

}  // namespace

void ScaleWindows(qreal factor) {
    forwardTo = qInstallMessageHandler(DropWarningOnHiddenWindows);
    QHighDpiScaling::setGlobalFactor(AskedFactor() * factor);
    qInstallMessageHandler(forwardTo);
    MovieDrawing::Refresh();
}

void Engage() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QSizeF size = screen->geometry().size();
    const qreal factor = FullScreenFactor(size);
    ScaleWindows(factor);
    picture = PictureArea(size, factor).translated(screen->geometry().topLeft());
}

std::optional<QRect> Picture() {
    return picture;
}

}  // namespace xuehai::VirtualScreen
