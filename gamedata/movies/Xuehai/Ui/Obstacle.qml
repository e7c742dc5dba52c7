// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// Something in the pig's way: kind 0 a rock, 1 a fence, 2 a tree stump. The size of each
// kind is fixed, so the game can tell how high the pig must jump.
Item {
    id: obstacle

    property int kind: 0
    readonly property var sizes: [[54, 38], [46, 52], [50, 44]]

    width: sizes[kind][0]
    height: sizes[kind][1]

    Shape {
        visible: obstacle.kind === 0
        anchors.fill: parent
        ShapePath {
            fillColor: "#90a4ae"
            strokeColor: "#546e7a"
            strokeWidth: 3
            joinStyle: ShapePath.RoundJoin
            startX: 2
            startY: 38
            PathCubic {
                x: 24
                y: 2
                control1X: 0
                control1Y: 14
                control2X: 10
                control2Y: 2
            }
            PathCubic {
                x: 52
                y: 38
                control1X: 42
                control1Y: 2
                control2X: 56
                control2Y: 20
            }
            PathLine {
                x: 2
                y: 38
            }
        }
        ShapePath {
            fillColor: "#b0bec5"
            strokeColor: "transparent"
            startX: 14
            startY: 14
            PathQuad {
                x: 30
                y: 8
                controlX: 20
                controlY: 6
            }
            PathQuad {
                x: 14
                y: 14
                controlX: 22
                controlY: 14
            }
        }
    }

    Repeater {
        model: obstacle.kind === 1 ? 3 : 0
        Rectangle {
            required property int index
            x: 2 + index * 16
            y: 4
            width: 11
            height: 48
            radius: 3
            color: "#c68642"
            border.color: "#8d5524"
            border.width: 2
        }
    }

    Repeater {
        model: obstacle.kind === 1 ? [14, 32] : []
        Rectangle {
            required property var modelData
            y: modelData
            width: 46
            height: 8
            radius: 2
            color: "#b5773a"
            border.color: "#8d5524"
            border.width: 2
        }
    }

    Rectangle {
        visible: obstacle.kind === 2
        x: 4
        y: 8
        width: 42
        height: 36
        radius: 4
        color: "#8d6e63"
        border.color: "#5d4037"
        border.width: 3
    }

    Rectangle {
        visible: obstacle.kind === 2
        x: 2
        y: 0
        width: 46
        height: 16
        radius: 8
        color: "#d7b98e"
        border.color: "#5d4037"
        border.width: 3
        Rectangle {
            anchors.centerIn: parent
            width: 24
            height: 7
            radius: 3.5
            color: "transparent"
            border.color: "#a1887f"
            border.width: 2
        }
    }
}
