// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace xuehai {

// How the movies may draw on this display, for QML as the singleton Drawing of Xuehai.Movie
// (one for each engine). Qt 6.4's software renderer draws an item's cached image
// (layer.enabled) with its content shifted up by the device pixel ratio less one times the
// item's height wherever that ratio is not 1 (a scaled 800 x 600 picture, a high-density
// screen): half a wave crest, no glyphs. layerDrop is that factor, so a cached image's content
// that starts layerDrop times its height lower comes out where it belongs (CachedImage in
// Xuehai.Ui does it); 0 where nothing is shifted.
class MovieDrawing : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal layerDrop READ LayerDrop NOTIFY changed)
public:
    MovieDrawing();
    ~MovieDrawing() override;

    static qreal LayerDrop();
    // Whether the movies are drawn by the processor, Qt Quick's software renderer.
    static bool InSoftware();
    // Tells every movie to look again once the scale of the screens changed.
    static void Refresh();

Q_SIGNALS:
    void changed();
};

}  // namespace xuehai
