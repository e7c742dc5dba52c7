// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "IslandArt.js" as Art

// The sea and the islands of the map, painted once at any size: the world's places are
// given in world units and the picture is scaled to the item.
Canvas {
    id: canvas

    property var places: []
    property real worldWidth: 1240
    property real worldHeight: 940
    property bool detailed: false

    onPlacesChanged: requestPaint()
    onPaint: {
        const ctx = getContext("2d");
        ctx.reset();
        ctx.scale(width / worldWidth, height / worldHeight);
        Art.paint(ctx, places, worldWidth, worldHeight, detailed);
    }
}
