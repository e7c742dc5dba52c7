// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "IslandArt.js" as Art

// The sea and the islands of the map, painted at any size: the world's places are given in
// world units and the picture is scaled to the item. A world larger than the screen is cut
// into tiles, and only the tiles in view are kept (the whole world is 15 MB at 1920 x 1080,
// the tiles of one view a quarter to a half of it); a tile coming into view is painted then. All of
// it is let go while the map is hidden or out of sight under another screen, and painted again
// when the map shows.
Item {
    id: island

    property var places: []
    property real worldWidth: 1240
    property real worldHeight: 940
    property bool detailed: false
    // The part of the world in sight, in world units, and how many tiles a side.
    property rect view: Qt.rect(0, 0, worldWidth, worldHeight)
    property int tiles: 1
    // Whether the view is being moved (dragged, scrolled). While it is, the tiles just
    // outside it are painted already, lead world units ahead, so that no sea shows where a
    // tile is still to come; at rest only the tiles in view are kept.
    property bool moving: false
    readonly property real lead: moving ? 24 : 0

    InSight {
        id: sight
        item: island
    }

    Repeater {
        model: island.tiles * island.tiles

        Item {
            id: tile

            required property int index
            readonly property int column: index % island.tiles
            readonly property int row: Math.floor(index / island.tiles)
            // The world's part this tile shows, in world units.
            readonly property real worldLeft: x * island.worldWidth / Math.max(1, island.width)
            readonly property real worldTop: y * island.worldHeight / Math.max(1, island.height)
            readonly property real worldRight: (x + width) * island.worldWidth / Math.max(1, island.width)
            readonly property real worldBottom: (y + height) * island.worldHeight / Math.max(1, island.height)
            readonly property bool inView: worldLeft - island.lead < island.view.x + island.view.width && island.view.x < worldRight + island.lead && worldTop - island.lead < island.view.y + island.view.height && island.view.y < worldBottom + island.lead

            // Neighbours meet on whole units of the item, without a gap or an overlap.
            x: Math.round(column * island.width / island.tiles)
            y: Math.round(row * island.height / island.tiles)
            width: Math.round((column + 1) * island.width / island.tiles) - x
            height: Math.round((row + 1) * island.height / island.tiles) - y

            Loader {
                anchors.fill: parent
                active: island.visible && sight.seen && tile.inView
                sourceComponent: Canvas {
                    id: canvas

                    onPaint: {
                        const ctx = getContext("2d");
                        ctx.reset();
                        const scaleX = island.width / island.worldWidth;
                        const scaleY = island.height / island.worldHeight;
                        ctx.scale(scaleX, scaleY);
                        ctx.translate(-tile.worldLeft, -tile.worldTop);
                        const area = Qt.rect(tile.worldLeft, tile.worldTop, width / scaleX, height / scaleY);
                        Art.paint(ctx, island.places, island.worldWidth, island.worldHeight, island.detailed, area);
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
    }
}
