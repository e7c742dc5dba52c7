// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A string of little coloured flags that sways gently: a festival over the battle
// screens.
CachedImage {
    id: bunting

    property int flags: 14
    property real sag: 26
    readonly property var colors: [Theme.coral, Theme.sun, Theme.sky, Theme.grass, Theme.grape, Theme.berry]

    height: sag + 34

    // The ends of the string move in whole pixels, so the gentle sway redraws the strip a
    // few times a second rather than every frame.
    property real sway: 0
    readonly property real endPixelsPerDegree: width / 2 * Math.PI / 180
    rotation: Math.round(sway * endPixelsPerDegree) / endPixelsPerDegree

    SequentialAnimation on sway {
        loops: Animation.Infinite
        NumberAnimation {
            to: 0.6
            duration: 1800
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: -0.6
            duration: 1800
            easing.type: Easing.InOutSine
        }
    }

    function dip(x) {
        const t = x / width;
        return 4 * bunting.sag * t * (1 - t);
    }

    Shape {
        anchors.fill: parent
        ShapePath {
            strokeColor: Theme.wood
            strokeWidth: 2
            fillColor: "transparent"
            startX: 0
            startY: 0
            PathQuad {
                x: bunting.width
                y: 0
                controlX: bunting.width / 2
                controlY: bunting.sag * 2
            }
        }
    }

    Repeater {
        model: bunting.flags

        Shape {
            id: flag

            required property int index
            readonly property real at: (index + 0.5) * bunting.width / bunting.flags

            x: at - 12
            y: bunting.dip(at) - 1
            width: 24
            height: 30

            ShapePath {
                fillColor: bunting.colors[flag.index % bunting.colors.length]
                strokeColor: Qt.darker(bunting.colors[flag.index % bunting.colors.length], 1.3)
                strokeWidth: 1
                startX: 0
                startY: 0
                PathLine {
                    x: 24
                    y: 0
                }
                PathLine {
                    x: 12
                    y: 28
                }
                PathLine {
                    x: 0
                    y: 0
                }
            }
        }
    }
}
