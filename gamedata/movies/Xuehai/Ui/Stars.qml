// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A row of drawn stars, the lit ones golden: a question's difficulty at a glance.
Row {
    id: stars

    property int count: 1
    property int maximum: 3
    property real size: 26

    spacing: 2

    Repeater {
        model: stars.maximum

        Shape {
            id: star

            required property int index
            readonly property bool lit: index < stars.count

            width: stars.size
            height: stars.size
            scale: lit ? 1 : 0.85
            Behavior on scale {
                NumberAnimation {
                    duration: 220
                    easing.type: Easing.OutBack
                }
            }

            ShapePath {
                fillColor: star.lit ? Theme.sun : "#55ffffff"
                strokeColor: star.lit ? Theme.sunDeep : "#88a0612b"
                strokeWidth: 2
                joinStyle: ShapePath.RoundJoin
                startX: star.width * 0.5
                startY: star.height * 0.04
                PathLine {
                    x: star.width * 0.63
                    y: star.height * 0.36
                }
                PathLine {
                    x: star.width * 0.97
                    y: star.height * 0.38
                }
                PathLine {
                    x: star.width * 0.71
                    y: star.height * 0.6
                }
                PathLine {
                    x: star.width * 0.8
                    y: star.height * 0.95
                }
                PathLine {
                    x: star.width * 0.5
                    y: star.height * 0.76
                }
                PathLine {
                    x: star.width * 0.2
                    y: star.height * 0.95
                }
                PathLine {
                    x: star.width * 0.29
                    y: star.height * 0.6
                }
                PathLine {
                    x: star.width * 0.03
                    y: star.height * 0.38
                }
                PathLine {
                    x: star.width * 0.37
                    y: star.height * 0.36
                }
                PathLine {
                    x: star.width * 0.5
                    y: star.height * 0.04
                }
            }
        }
    }
}
