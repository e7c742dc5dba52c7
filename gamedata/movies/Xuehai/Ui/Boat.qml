// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// A little sailing boat with a page for a sail and a player on board; it rocks by itself.
Item {
    id: boat

    property var sailor: 1
    property color hull: Theme.coral

    implicitWidth: 170
    implicitHeight: 150

    // Rocked in half degrees, which is as smooth to the eye and repaints far less often.
    property real rock: 0

    Item {
        id: body
        anchors.fill: parent
        transformOrigin: Item.Bottom
        rotation: Math.round(boat.rock * 2) / 2

        Rectangle {
            x: boat.width * 0.48
            y: boat.height * 0.04
            width: boat.width * 0.03
            height: boat.height * 0.72
            color: Theme.wood
        }
        Shape {
            anchors.fill: parent
            ShapePath {
                fillColor: "#fffdf5"
                strokeColor: Theme.ink
                strokeWidth: 2.5
                startX: boat.width * 0.52
                startY: boat.height * 0.06
                PathQuad {
                    x: boat.width * 0.52
                    y: boat.height * 0.62
                    controlX: boat.width * 0.95
                    controlY: boat.height * 0.4
                }
                PathLine {
                    x: boat.width * 0.52
                    y: boat.height * 0.06
                }
            }
            ShapePath {
                fillColor: Theme.berry
                strokeColor: "transparent"
                startX: boat.width * 0.51
                startY: boat.height * 0.04
                PathLine {
                    x: boat.width * 0.36
                    y: boat.height * 0.09
                }
                PathLine {
                    x: boat.width * 0.51
                    y: boat.height * 0.14
                }
            }
        }
        Column {
            x: boat.width * 0.62
            y: boat.height * 0.22
            spacing: boat.height * 0.05
            Repeater {
                model: 3
                Rectangle {
                    width: boat.width * 0.14
                    height: 2
                    color: "#c9b8a0"
                }
            }
        }
        Avatar {
            x: boat.width * 0.1
            y: boat.height * 0.26
            width: boat.width * 0.38
            height: width
            number: boat.sailor
        }
        Shape {
            anchors.fill: parent
            ShapePath {
                fillColor: boat.hull
                strokeColor: Theme.ink
                strokeWidth: 2.5
                startX: 0
                startY: boat.height * 0.62
                PathLine {
                    x: boat.width
                    y: boat.height * 0.62
                }
                PathQuad {
                    x: boat.width * 0.78
                    y: boat.height * 0.95
                    controlX: boat.width * 0.95
                    controlY: boat.height * 0.9
                }
                PathLine {
                    x: boat.width * 0.2
                    y: boat.height * 0.95
                }
                PathQuad {
                    x: 0
                    y: boat.height * 0.62
                    controlX: boat.width * 0.05
                    controlY: boat.height * 0.9
                }
            }
        }
        Row {
            x: boat.width * 0.2
            y: boat.height * 0.72
            spacing: boat.width * 0.12
            Repeater {
                model: 4
                Rectangle {
                    width: boat.width * 0.07
                    height: width
                    radius: width / 2
                    color: "#fffdf5"
                    border.color: Theme.ink
                    border.width: 1.5
                }
            }
        }
    }

    SequentialAnimation on rock {
        loops: Animation.Infinite
        NumberAnimation {
            to: 6
            duration: 1400
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: -6
            duration: 1400
            easing.type: Easing.InOutSine
        }
    }
}
