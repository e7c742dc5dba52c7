// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace xuehai {

// How the movies may draw on this display, for QML as the singleton Drawing of Xuehai.Movie.
// Qt 6.4's software renderer draws an item's cached image (layer.enabled) shifted up by the
// device pixel ratio less one times its height wherever that ratio is not 1 (a scaled
// 800 x 600 picture, a high-density screen): half a wave crest, no glyphs. There the movies
// draw such items directly; elsewhere they keep the cheaper cached images.
class MovieDrawing : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool cachedLayers READ CachedLayers NOTIFY changed)
public:
    static MovieDrawing& Instance();

    bool CachedLayers() const { return cachedLayers_; }
    // Looks again once the scale of the screens changed.
    void Refresh();

Q_SIGNALS:
    void changed();

private:
    MovieDrawing();
    bool cachedLayers_ = true;
};

}  // namespace xuehai
