// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieEngine.h"

#include <QQmlEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <mutex>

#include "host/movie/Clip.h"
#include "host/movie/MovieDrawing.h"

namespace xuehai {

namespace {

void RegisterMovieModule() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        qmlRegisterType<Clip>("Xuehai.Movie", 1, 0, "Clip");
        qmlRegisterSingletonType<MovieDrawing>(
            "Xuehai.Movie", 1, 0, "Drawing",
            [](QQmlEngine*, QJSEngine*) -> QObject* { return new MovieDrawing; });
        qmlRegisterModule("Xuehai.Movie", 1, 0);
    });
}

}  // namespace

void UseQuickRenderer(QuickRenderer renderer) {
    QQuickWindow::setGraphicsApi(renderer == QuickRenderer::OpenGL
                                     ? QSGRendererInterface::OpenGL
                                     : QSGRendererInterface::Software);
}

void UseSoftwareQuickRenderer() {
    UseQuickRenderer(QuickRenderer::Software);
}

std::shared_ptr<QQmlEngine> SharedMovieEngine() {
    static std::weak_ptr<QQmlEngine> shared;
    if (std::shared_ptr<QQmlEngine> engine = shared.lock()) {
        return engine;
    }
    RegisterMovieModule();
    auto engine = std::make_shared<QQmlEngine>();
    shared = engine;
    return engine;
}

}  // namespace xuehai
