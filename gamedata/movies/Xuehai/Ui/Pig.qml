// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// The mini-game's hero: a round pink pig whose legs scurry while it runs, tuck in while
// it jumps, and who blinks red when it bumps into something.
Item {
    id: pig

    property bool running: true
    property bool airborne: false
    property bool hurt: false
    property real stride: 0

    readonly property color skin: "#f8a5c2"
    readonly property color skinDeep: "#e77fa5"

    implicitWidth: 84
    implicitHeight: 66

    NumberAnimation on stride {
        running: pig.running && !pig.airborne
        from: 0
        to: 2 * Math.PI
        duration: 360
        loops: Animation.Infinite
    }

    SequentialAnimation on opacity {
        running: pig.hurt
        loops: Animation.Infinite
        onRunningChanged: if (!running)
            pig.opacity = 1
        NumberAnimation {
            to: 0.35
            duration: 90
        }
        NumberAnimation {
            to: 1
            duration: 90
        }
    }

    Repeater {
        model: [
            {
                "x": 14,
                "phase": 0
            },
            {
                "x": 24,
                "phase": Math.PI
            },
            {
                "x": 46,
                "phase": Math.PI
            },
            {
                "x": 56,
                "phase": 0
            }
        ]

        Rectangle {
            required property var modelData

            x: modelData.x
            y: 44
            width: 10
            height: 20
            radius: 4
            color: pig.skinDeep
            transformOrigin: Item.Top
            rotation: pig.airborne ? (modelData.phase === 0 ? 35 : -35) : Math.sin(pig.stride + modelData.phase) * 32
        }
    }

    Shape {
        x: 0
        y: 16
        width: 16
        height: 20
        ShapePath {
            strokeColor: pig.skinDeep
            strokeWidth: 3
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            startX: 14
            startY: 14
            PathCubic {
                x: 4
                y: 4
                control1X: 6
                control1Y: 18
                control2X: 0
                control2Y: 8
            }
            PathCubic {
                x: 10
                y: 10
                control1X: 8
                control1Y: 0
                control2X: 14
                control2Y: 6
            }
        }
    }

    Rectangle {
        id: body
        x: 8
        y: 12 + (pig.airborne ? 0 : Math.abs(Math.sin(pig.stride)) * -3)
        width: 60
        height: 42
        radius: 21
        color: pig.hurt ? "#ff8a80" : pig.skin
        border.color: pig.skinDeep
        border.width: 2
    }

    Item {
        id: head
        x: 44
        y: body.y - 10
        width: 40
        height: 40

        Shape {
            x: 6
            y: -8
            width: 30
            height: 16
            ShapePath {
                fillColor: pig.skinDeep
                strokeColor: "transparent"
                startX: 0
                startY: 14
                PathLine {
                    x: 6
                    y: 0
                }
                PathLine {
                    x: 12
                    y: 12
                }
                PathMove {
                    x: 18
                    y: 12
                }
                PathLine {
                    x: 26
                    y: 0
                }
                PathLine {
                    x: 30
                    y: 14
                }
            }
        }

        Rectangle {
            anchors.fill: parent
            radius: 20
            color: body.color
            border.color: pig.skinDeep
            border.width: 2
        }

        Rectangle {
            x: 12
            y: 10
            width: 7
            height: pig.hurt ? 2 : 8
            radius: 3
            color: "#3b2314"
        }

        Rectangle {
            x: 6
            y: 22
            width: 9
            height: 6
            radius: 3
            color: "#ff80ab"
            opacity: 0.7
        }

        Rectangle {
            x: 24
            y: 16
            width: 20
            height: 15
            radius: 7
            color: "#ffc1d6"
            border.color: pig.skinDeep
            border.width: 2
            Rectangle {
                x: 5
                y: 5
                width: 3
                height: 5
                radius: 1.5
                color: pig.skinDeep
            }
            Rectangle {
                x: 12
                y: 5
                width: 3
                height: 5
                radius: 1.5
                color: pig.skinDeep
            }
        }
    }
}
