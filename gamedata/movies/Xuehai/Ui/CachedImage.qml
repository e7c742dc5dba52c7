// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// Its content drawn once into an image, which then moves, turns and fades for the price of
// copying a picture instead of drawing curves, outlines and glyphs again each frame. Children
// go into the image; they see it as their parent, the same size as this item. The image is
// copied pixel for pixel, sharp wherever it slides; one that turns asks for layer.smooth.
Item {
    id: cached

    default property alias content: picture.data

    layer.enabled: true

    Item {
        id: picture
        width: cached.width
        height: cached.height
        // Where the software renderer draws a cached image's content too high (a scaled
        // picture), the content starts as much lower.
        y: Drawing.layerDrop * cached.height
    }
}
