// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "IslandArt.js" as Art

// The sea and the islands of the map, painted once at any size: the world's places are
// given in world units and the picture is scaled to the item. The picture is as large as the
// world at the screen's scale (15 MB at 1920 x 1080), so it is let go while the map is hidden
// under another screen, and painted again when the map shows.
Item {
    id: island

    property var places: []
    property real worldWidth: 1240
    property real worldHeight: 940
    property bool detailed: false

    Loader {
        anchors.fill: parent
        active: island.visible
        sourceComponent: Canvas {
            id: canvas

            onPaint: {
                const ctx = getContext("2d");
                ctx.reset();
                ctx.scale(width / island.worldWidth, height / island.worldHeight);
                Art.paint(ctx, island.places, island.worldWidth, island.worldHeight, island.detailed);
            }

            Connections {
                target: island
                function onPlacesChanged() {
                    canvas.requestPaint();
                }
            }
        }
    }
}
