// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieEngine.h"

#include <QQmlEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <mutex>
// Qt's private animation header says "emit", a word this build leaves out of the language.
#define emit
#include <QtCore/private/qabstractanimation_p.h>
#undef emit

#include "host/movie/Clip.h"
#include "host/movie/MovieDrawing.h"

namespace xuehai {

namespace {

// The movies' animations step every 18 ms, some 55 frames a second: as smooth to the eye
// as Qt's 60, and a tenth less drawing where the processor draws.
constexpr int kAnimationStepMs = 18;

void RegisterMovieModule() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        qmlRegisterType<Clip>("Xuehai.Movie", 1, 0, "Clip");
        qmlRegisterSingletonType<MovieDrawing>(
            "Xuehai.Movie", 1, 0, "Drawing",
            [](QQmlEngine*, QJSEngine*) -> QObject* { return new MovieDrawing; });
        qmlRegisterModule("Xuehai.Movie", 1, 0);
        QUnifiedTimer::instance()->setTimingInterval(kAnimationStepMs);
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
