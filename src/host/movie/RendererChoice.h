// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "host/movie/MovieEngine.h"

namespace xuehai {

// How the movies are drawn: what the player asked for in XUEHAI_RENDERER ("software" or
// "opengl"), else OpenGL where a graphics card draws it, else the software renderer. An
// OpenGL that draws on the processor (Mesa's llvmpipe, softpipe) costs far more than Qt
// Quick's own software renderer, which repaints only what moved. glRenderer is the OpenGL
// renderer's name, empty where no OpenGL context could be made.
QuickRenderer RendererFor(const QString& asked, const QString& glRenderer);

// The OpenGL renderer's name on this display, or empty. Needs the application object.
QString OpenGlRendererName();

// Chooses with RendererFor and makes Qt Quick use it. Call it once the application object
// exists and before any movie control does.
QuickRenderer ChooseQuickRenderer();

}  // namespace xuehai
