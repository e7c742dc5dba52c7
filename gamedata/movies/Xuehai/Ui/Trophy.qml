// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A golden cup with a star on it, for the battle and its winner.
CachedImage {
    id: trophy

    readonly property color gold: "#ffc107"
    readonly property color goldDeep: "#e08e00"

    implicitWidth: 80
    implicitHeight: 90

    Shape {
        width: 80
        height: 90
        scale: Math.min(trophy.width / 80, trophy.height / 90)
        transformOrigin: Item.TopLeft

        ShapePath {
            fillColor: "transparent"
            strokeColor: trophy.goldDeep
            strokeWidth: 6
            startX: 18
            startY: 14
            PathCubic {
                x: 20
                y: 40
                control1X: 0
                control1Y: 12
                control2X: 0
                control2Y: 38
            }
            PathMove {
                x: 62
                y: 14
            }
            PathCubic {
                x: 60
                y: 40
                control1X: 80
                control1Y: 12
                control2X: 80
                control2Y: 38
            }
        }
        ShapePath {
            fillColor: trophy.gold
            strokeColor: trophy.goldDeep
            strokeWidth: 3
            startX: 14
            startY: 6
            PathLine {
                x: 66
                y: 6
            }
            PathCubic {
                x: 44
                y: 54
                control1X: 66
                control1Y: 34
                control2X: 58
                control2Y: 50
            }
            PathLine {
                x: 44
                y: 66
            }
            PathLine {
                x: 36
                y: 66
            }
            PathLine {
                x: 36
                y: 54
            }
            PathCubic {
                x: 14
                y: 6
                control1X: 22
                control1Y: 50
                control2X: 14
                control2Y: 34
            }
        }
        ShapePath {
            fillColor: Theme.wood
            strokeColor: Qt.darker(Theme.wood, 1.3)
            strokeWidth: 2
            startX: 22
            startY: 66
            PathLine {
                x: 58
                y: 66
            }
            PathLine {
                x: 62
                y: 86
            }
            PathLine {
                x: 18
                y: 86
            }
            PathLine {
                x: 22
                y: 66
            }
        }
        ShapePath {
            fillColor: "#fff8e1"
            strokeColor: "transparent"
            startX: 40
            startY: 14
            PathLine {
                x: 44
                y: 24
            }
            PathLine {
                x: 54
                y: 24
            }
            PathLine {
                x: 46
                y: 30
            }
            PathLine {
                x: 49
                y: 40
            }
            PathLine {
                x: 40
                y: 34
            }
            PathLine {
                x: 31
                y: 40
            }
            PathLine {
                x: 34
                y: 30
            }
            PathLine {
                x: 26
                y: 24
            }
            PathLine {
                x: 36
                y: 24
            }
            PathLine {
                x: 40
                y: 14
            }
        }
    }
}
