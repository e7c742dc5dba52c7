// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/MovieDrawing.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QScreen>

namespace xuehai {

MovieDrawing& MovieDrawing::Instance() {
    static MovieDrawing drawing;
    return drawing;
}

MovieDrawing::MovieDrawing() {
    Refresh();
}

void MovieDrawing::Refresh() {
    const bool software = QQuickWindow::sceneGraphBackend() == QLatin1String("software") ||
                          QQuickWindow::graphicsApi() == QSGRendererInterface::Software;
    // The screen's own ratio follows the game's scale; the application's is read once.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1;
    const bool cached = !software || qFuzzyCompare(ratio, 1.0);
    if (cached != cachedLayers_) {
        cachedLayers_ = cached;
        Q_EMIT changed();
    }
}

}  // namespace xuehai
