// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QQmlEngine;

namespace xuehai {

// The two ways Qt Quick can draw the movies.
enum class QuickRenderer { Software, OpenGL };

// Makes Qt Quick draw with the given renderer; call it before any movie control exists.
void UseQuickRenderer(QuickRenderer renderer);

// Makes Qt Quick draw with its software renderer. Call it before the application object
// exists: only then can ordinary widgets lie over a transparent movie and keep working.
void UseSoftwareQuickRenderer();

// The one QML engine every movie control shares, with the module Xuehai.Movie registered.
// It lives while some control holds it.
std::shared_ptr<QQmlEngine> SharedMovieEngine();

}  // namespace xuehai
