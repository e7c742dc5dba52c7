// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/movie/MovieDrawing.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QScreen>
#include <set>
#include <vector>

namespace xuehai {

namespace {
std::vector<MovieDrawing*>& Everyone() {
    static std::vector<MovieDrawing*> drawings;
    return drawings;
}

// The scenes of the movie controls out of sight now.
std::set<const QQuickWindow*>& Unseen() {
    static std::set<const QQuickWindow*> scenes;
    return scenes;
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

qreal MovieDrawing::Ratio() {
    // The screen's own ratio follows the game's scale; the application's is read once.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1;
}

bool MovieDrawing::canCapture(QQuickItem* item) const {
    QQuickWindow* scene = item != nullptr ? item->window() : nullptr;
    if (scene == nullptr) {
        return false;
    }
    // A movie control's scene is drawn off screen for the control's own window.
    const QWindow* shown = QQuickRenderControl::renderWindowFor(scene);
    return (shown != nullptr ? shown : scene)->isVisible() && seen(item);
}

bool MovieDrawing::seen(QQuickItem* item) const {
    return item != nullptr && item->window() != nullptr && !Unseen().contains(item->window());
}

void MovieDrawing::SetSceneSeen(const QQuickWindow* scene, bool seen) {
    const bool changed = seen ? Unseen().erase(scene) > 0 : Unseen().insert(scene).second;
    if (!changed) {
        return;
    }
    for (MovieDrawing* drawing : Everyone()) {
        Q_EMIT drawing->sightChanged();
    }
}

void MovieDrawing::ControlShown() {
    for (MovieDrawing* drawing : Everyone()) {
        Q_EMIT drawing->shown();
    }
}

void MovieDrawing::Refresh() {
    for (MovieDrawing* drawing : Everyone()) {
        Q_EMIT drawing->changed();
    }
}

}  // namespace xuehai
