// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace xuehai {

// How the movies may draw on this display, for QML as the singleton Drawing of Xuehai.Movie
// (one for each engine). Qt 6.4's software renderer draws an item's cached image
// (layer.enabled) shifted up by the device pixel ratio less one times its height wherever
// that ratio is not 1 (a scaled 800 x 600 picture, a high-density screen): half a wave
// crest, no glyphs. There the movies draw such items directly; elsewhere they keep the
// cheaper cached images.
class MovieDrawing : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool cachedLayers READ CachedLayers NOTIFY changed)
public:
    MovieDrawing();
    ~MovieDrawing() override;

    static bool CachedLayers();
    // Whether the movies are drawn by the processor, Qt Quick's software renderer.
    static bool InSoftware();
    // Tells every movie to look again once the scale of the screens changed.
    static void Refresh();

Q_SIGNALS:
    void changed();
};

}  // namespace xuehai
