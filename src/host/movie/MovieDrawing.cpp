// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/MovieDrawing.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QScreen>
#include <vector>

namespace xuehai {

namespace {
std::vector<MovieDrawing*>& Everyone() {
    static std::vector<MovieDrawing*> drawings;
    return drawings;
}
}  // namespace

MovieDrawing::MovieDrawing() {
    Everyone().push_back(this);
}

MovieDrawing::~MovieDrawing() {
    std::erase(Everyone(), this);
}

bool MovieDrawing::InSoftware() {
    return QQuickWindow::sceneGraphBackend() == QLatin1String("software") ||
           QQuickWindow::graphicsApi() == QSGRendererInterface::Software;
}

qreal MovieDrawing::LayerDrop() {
    if (!InSoftware()) {
        return 0;
    }
    // The screen's own ratio follows the game's scale; the application's is read once.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() - 1 : 0;
}

void MovieDrawing::Refresh() {
    for (MovieDrawing* drawing : Everyone()) {
        Q_EMIT drawing->changed();
    }
}

}  // namespace xuehai
