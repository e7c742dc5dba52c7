// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A four-pointed twinkle that grows and fades on its own beat.
Shape {
    id: sparkle

    property color color: "#fffde7"
    property int period: 1400
    property int delay: 0

    implicitWidth: 26
    implicitHeight: 26
    scale: 0

    ShapePath {
        fillColor: sparkle.color
        strokeColor: "transparent"
        PathSvg {
            path: {
                const w = sparkle.width, h = sparkle.height, cx = w / 2, cy = h / 2;
                const k = 0.16;
                return "M " + cx + " 0 Q " + (cx + w * k) + " " + (cy - h * k) + " " + w + " " + cy
                        + " Q " + (cx + w * k) + " " + (cy + h * k) + " " + cx + " " + h
                        + " Q " + (cx - w * k) + " " + (cy + h * k) + " 0 " + cy
                        + " Q " + (cx - w * k) + " " + (cy - h * k) + " " + cx + " 0 Z";
            }
        }
    }

    SequentialAnimation on scale {
        loops: Animation.Infinite
        PauseAnimation {
            duration: sparkle.delay
        }
        NumberAnimation {
            from: 0
            to: 1
            duration: sparkle.period / 2
            easing.type: Easing.OutBack
        }
        NumberAnimation {
            to: 0
            duration: sparkle.period / 2
            easing.type: Easing.InQuad
        }
    }
}
