// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A treat for the pig: kind 0 apple, 1 orange, 2 strawberry, 3 grapes, 4 golden star.
Item {
    id: fruit

    property int kind: 0

    implicitWidth: 34
    implicitHeight: 34

    Rectangle {
        visible: fruit.kind === 0 || fruit.kind === 1
        anchors.centerIn: parent
        anchors.verticalCenterOffset: 2
        width: 28
        height: 26
        radius: 13
        color: fruit.kind === 0 ? "#e53935" : "#fb8c00"
        border.color: Qt.darker(color, 1.3)
        border.width: 2
        Rectangle {
            x: 6
            y: 5
            width: 7
            height: 5
            radius: 3
            color: "#88ffffff"
        }
    }

    Rectangle {
        visible: fruit.kind === 0 || fruit.kind === 1
        x: 16
        y: 0
        width: 3
        height: 8
        radius: 1
        color: "#6d4c41"
    }

    Rectangle {
        visible: fruit.kind === 0
        x: 19
        y: 1
        width: 10
        height: 6
        radius: 3
        rotation: -25
        color: Theme.grass
    }

    Shape {
        visible: fruit.kind === 2
        anchors.fill: parent
        ShapePath {
            fillColor: "#e53935"
            strokeColor: "#b71c1c"
            strokeWidth: 2
            startX: 17
            startY: 33
            PathCubic {
                x: 17
                y: 8
                control1X: 0
                control1Y: 22
                control2X: 0
                control2Y: 6
            }
            PathCubic {
                x: 17
                y: 33
                control1X: 34
                control1Y: 6
                control2X: 34
                control2Y: 22
            }
        }
        ShapePath {
            fillColor: Theme.grass
            strokeColor: Theme.grassDeep
            strokeWidth: 1
            startX: 8
            startY: 8
            PathLine {
                x: 17
                y: 2
            }
            PathLine {
                x: 26
                y: 8
            }
            PathLine {
                x: 17
                y: 11
            }
            PathLine {
                x: 8
                y: 8
            }
        }
    }

    Repeater {
        model: fruit.kind === 2 ? [[11, 16], [20, 15], [15, 22], [22, 23], [17, 28]] : []
        Rectangle {
            required property var modelData
            x: modelData[0]
            y: modelData[1]
            width: 3
            height: 3
            radius: 1.5
            color: "#fff59d"
        }
    }

    Repeater {
        model: fruit.kind === 3 ? [[9, 8], [19, 8], [4, 16], [14, 16], [24, 16], [9, 24], [19, 24]] : []
        Rectangle {
            required property var modelData
            x: modelData[0]
            y: modelData[1]
            width: 11
            height: 11
            radius: 5.5
            color: "#8e24aa"
            border.color: "#5e1580"
            border.width: 1
        }
    }

    Stars {
        visible: fruit.kind === 4
        anchors.centerIn: parent
        count: 1
        maximum: 1
        size: 34
        RotationAnimation on rotation {
            running: fruit.kind === 4 && fruit.visible
            from: -15
            to: 15
            duration: 500
            loops: Animation.Infinite
            easing.type: Easing.InOutSine
        }
    }
}
