// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A smiling sun whose rays turn slowly.
Item {
    id: sun

    property bool smiling: true

    implicitWidth: 140
    implicitHeight: 140

    // Turned in whole degrees, so the slow turn repaints a few times a second only.
    property real turn: 0

    // The rays are drawn once into an image that turns.
    CachedImage {
        anchors.fill: parent
        rotation: Math.round(sun.turn)
        Repeater {
            model: 12
            Rectangle {
                required property int index
                x: sun.width / 2 - width / 2
                y: 0
                width: sun.width * 0.09
                height: sun.height / 2
                radius: width / 2
                color: index % 2 ? Theme.sun : Theme.sunDeep
                transformOrigin: Item.Bottom
                rotation: index * 30
            }
        }
    }

    NumberAnimation on turn {
        from: 0
        to: 360
        duration: 32000
        loops: Animation.Infinite
    }

    // The face is drawn once too: a disc with a gradient and an outline is dear to fill again
    // each time the rays turn behind it.
    CachedImage {
        id: face
        anchors.centerIn: parent
        width: sun.width * 0.66
        height: width
        smooth: false
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            border.color: Theme.sunDeep
            border.width: Math.max(2, width / 30)
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: "#fff59d"
                }
                GradientStop {
                    position: 1
                    color: Theme.sun
                }
            }

            Item {
                visible: sun.smiling
                anchors.fill: parent
                Rectangle {
                    x: parent.width * 0.3
                    y: parent.height * 0.36
                    width: parent.width * 0.1
                    height: width * 1.3
                    radius: width / 2
                    color: Theme.ink
                }
                Rectangle {
                    x: parent.width * 0.6
                    y: parent.height * 0.36
                    width: parent.width * 0.1
                    height: width * 1.3
                    radius: width / 2
                    color: Theme.ink
                }
                Rectangle {
                    x: parent.width * 0.16
                    y: parent.height * 0.56
                    width: parent.width * 0.16
                    height: width * 0.6
                    radius: height / 2
                    color: "#ff9aa8"
                }
                Rectangle {
                    x: parent.width * 0.68
                    y: parent.height * 0.56
                    width: parent.width * 0.16
                    height: width * 0.6
                    radius: height / 2
                    color: "#ff9aa8"
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: parent.height * 0.58
                    width: parent.width * 0.34
                    height: width * 0.5
                    radius: height / 2
                    color: "#e0505a"
                    border.color: Theme.ink
                    border.width: 2
                    Rectangle {
                        width: parent.width + 4
                        x: -2
                        y: -2
                        height: parent.height / 2 + 2
                        color: "#fff176"
                    }
                }
            }
        }
    }

    onSmilingChanged: face.refresh()
}
