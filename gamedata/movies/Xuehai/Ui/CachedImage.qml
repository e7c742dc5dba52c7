// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// Its content drawn once into an image, which then moves, turns and fades for the price of
// copying a picture instead of drawing curves, outlines and glyphs again each frame. Children
// go into the image; they see it as their parent, the same size as this item. One that only
// ever slides may set layer.smooth false: it is then copied pixel for pixel.
Item {
    id: cached

    default property alias content: picture.data

    layer.enabled: true
    layer.smooth: true

    Item {
        id: picture
        width: cached.width
        height: cached.height
        // Where the software renderer draws a cached image's content too high (a scaled
        // picture), the content starts as much lower.
        y: Drawing.layerDrop * cached.height
    }
}
