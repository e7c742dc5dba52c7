// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A band of sea whose crests roll sideways for ever. The shape is one wave length wider
// than the band and slides by exactly one length, so the loop has no seam.
Item {
    id: wave

    property color color: Theme.sea
    property real crest: 10
    property real length: 120
    property int period: 4000
    property bool reverse: false
    property bool running: true

    clip: true

    function outline(w, h) {
        let path = "M 0 " + crest;
        for (let x = 0; x < w; x += length) {
            const q = length / 4;
            path += " Q " + (x + q) + " " + (-crest * 0.2) + " " + (x + 2 * q) + " " + crest;
            path += " Q " + (x + 3 * q) + " " + (crest * 2.2) + " " + (x + length) + " " + crest;
        }
        return path + " L " + w + " " + h + " L 0 " + h + " Z";
    }

    // The slide moves in whole pixels: a slow wave then changes only a few times a
    // second, which spares the software renderer most repaints.
    property real slide: 0
    // Only the crests move; the water below them stands still, so a slide repaints a
    // thin strip and not the whole band. Each crest's curve runs between 0.4 and 1.6 times
    // the crest's height (halfway to its control points), and the strip holds just that.
    readonly property int crestTop: Math.max(0, Math.floor(crest * 0.4) - 1)
    readonly property int crestBottom: Math.ceil(crest * 1.6) + 1

    // The water starts under the crests' lower edge: two edges meeting on a fraction of a
    // screen pixel (a scaled picture) would let a thin line of what lies behind show through.
    Rectangle {
        y: Math.min(wave.crestBottom, wave.height) - 2
        width: wave.width
        height: Math.max(0, wave.height - y)
        color: wave.color
    }

    // Drawn once into an image that slides, instead of filling the curve each frame.
    CachedImage {
        id: band
        x: Math.round(wave.slide)
        y: wave.crestTop
        width: wave.width + wave.length * 2
        height: Math.max(0, Math.min(wave.crestBottom, wave.height) - y)
        smooth: false
        Shape {
            y: -wave.crestTop
            width: band.width
            height: wave.crestBottom
            ShapePath {
                fillColor: wave.color
                strokeColor: "transparent"
                PathSvg {
                    path: wave.outline(band.width, wave.crestBottom)
                }
            }
        }
    }

    NumberAnimation on slide {
        from: wave.reverse ? -wave.length : 0
        to: wave.reverse ? 0 : -wave.length
        duration: wave.period
        loops: Animation.Infinite
        running: wave.running
    }
}
