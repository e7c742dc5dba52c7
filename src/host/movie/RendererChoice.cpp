// SPDX-License-Identifier: GPL-3.0-or-later
#include "RendererChoice.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QStringList>
#include <algorithm>

namespace xuehai {

namespace {

// OpenGL drivers that draw on the processor.
bool DrawsOnProcessor(const QString& glRenderer) {
    static const QStringList kSoftware = {QStringLiteral("llvmpipe"), QStringLiteral("softpipe"),
                                          QStringLiteral("software rasterizer"),
                                          QStringLiteral("swrast"), QStringLiteral("lavapipe")};
    const QString name = glRenderer.toLower();
    return std::any_of(kSoftware.begin(), kSoftware.end(),
                       [&name](const QString& driver) { return name.contains(driver); });
}

}  // namespace

QuickRenderer RendererFor(const QString& asked, const QString& glRenderer) {
    const QString choice = asked.trimmed().toLower();
    if (choice == QLatin1String("software")) {
        return QuickRenderer::Software;
    }
    if (choice == QLatin1String("opengl")) {
        return QuickRenderer::OpenGL;
    }
    if (glRenderer.trimmed().isEmpty() || DrawsOnProcessor(glRenderer)) {
        return QuickRenderer::Software;
    }
    return QuickRenderer::OpenGL;
}

QString OpenGlRendererName() {
    QOpenGLContext context;
    if (!context.create()) {
        return {};
    }
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) {
        return {};
    }
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name != nullptr ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}

QuickRenderer ChooseQuickRenderer() {
    const QString asked = qEnvironmentVariable("XUEHAI_RENDERER");
    const QString choice = asked.trimmed().toLower();
    // The probe costs a context; a choice made by the player spares it.
    const bool decided = choice == QLatin1String("software") || choice == QLatin1String("opengl");
    const QuickRenderer renderer = RendererFor(asked, decided ? QString() : OpenGlRendererName());
    UseQuickRenderer(renderer);
    return renderer;
}

}  // namespace xuehai
