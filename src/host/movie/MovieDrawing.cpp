// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/MovieDrawing.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>

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
    const bool cached = !software || qFuzzyCompare(qApp->devicePixelRatio(), 1.0);
    if (cached != cachedLayers_) {
        cachedLayers_ = cached;
        Q_EMIT changed();
    }
}

}  // namespace xuehai
