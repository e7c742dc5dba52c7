// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// A misty bamboo forest with a stone floor: swaying stalks and drifting leaves.
Item {
    id: forest

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: "#d8f3dc"
            }
            GradientStop {
                position: 0.7
                color: "#b7e4c7"
            }
            GradientStop {
                position: 1
                color: "#95d5b2"
            }
        }
    }

    Repeater {
        model: [{
                "x": -60,
                "w": 360,
                "h": 150
            }, {
                "x": 220,
                "w": 420,
                "h": 200
            }, {
                "x": 560,
                "w": 340,
                "h": 140
            }]
        Rectangle {
            required property var modelData
            x: modelData.x
            y: 460 - modelData.h
            width: modelData.w
            height: modelData.h * 2
            radius: width / 2
            color: "#a3d9b1"
            opacity: 0.8
        }
    }

    Repeater {
        model: 16

        Item {
            id: stalk

            required property int index
            readonly property bool near: index % 3 === 0
            readonly property real thickness: near ? 22 : 13

            x: (index * 53 + (index % 2) * 17) % (forest.width + 20) - 10
            y: 0
            width: thickness
            height: forest.height - 70
            opacity: near ? 1 : 0.55
            transformOrigin: Item.Bottom
            // The stalk is drawn once into an image that sways in tenths of a degree (under a
            // pixel at its tip), so a frame redraws only the stalks that moved.
            layer.enabled: Drawing.cachedLayers
            layer.smooth: true
            property real sway: 0
            rotation: Math.round(sway * 10) / 10

            SequentialAnimation on sway {
                loops: Animation.Infinite
                NumberAnimation {
                    to: stalk.near ? 1.5 : 2.5
                    duration: 2200 + stalk.index * 90
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: stalk.near ? -1.5 : -2.5
                    duration: 2200 + stalk.index * 90
                    easing.type: Easing.InOutSine
                }
            }

            Rectangle {
                anchors.fill: parent
                radius: 4
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop {
                        position: 0
                        color: "#52b788"
                    }
                    GradientStop {
                        position: 0.5
                        color: "#74c69d"
                    }
                    GradientStop {
                        position: 1
                        color: "#2d6a4f"
                    }
                }
            }

            Repeater {
                model: 7
                Rectangle {
                    required property int index
                    x: -2
                    y: 30 + index * 70 + (stalk.index % 4) * 9
                    width: stalk.thickness + 4
                    height: 5
                    radius: 2
                    color: "#2d6a4f"
                }
            }

            Repeater {
                model: stalk.near ? 3 : 2
                Rectangle {
                    required property int index
                    x: index % 2 === 0 ? stalk.thickness - 2 : -36
                    y: 60 + index * 130 + (stalk.index % 3) * 20
                    width: 40
                    height: 11
                    radius: 6
                    rotation: index % 2 === 0 ? -28 : 28
                    transformOrigin: index % 2 === 0 ? Item.Left : Item.Right
                    color: "#40916c"
                }
            }
        }
    }

    Rectangle {
        y: forest.height - 90
        width: forest.width
        height: 90
        color: "#b5a58a"
        Repeater {
            model: 11
            Rectangle {
                required property int index
                x: index * 76 - 20
                y: 10 + (index % 2) * 28
                width: 70
                height: 26
                radius: 10
                color: "#cfc2a8"
                border.color: "#9c8c70"
                border.width: 2
            }
        }
        Rectangle {
            width: parent.width
            height: 6
            color: "#52b788"
        }
    }

    Repeater {
        model: 6
        Rectangle {
            id: leaf
            required property int index
            width: 16
            height: 7
            radius: 4
            color: "#40916c"
            x: (index * 137) % forest.width
            SequentialAnimation on y {
                loops: Animation.Infinite
                PauseAnimation {
                    duration: leaf.index * 1300
                }
                NumberAnimation {
                    from: -20
                    to: forest.height
                    duration: 9000
                }
            }
            NumberAnimation on rotation {
                from: 0
                to: 360
                duration: 3000 + leaf.index * 300
                loops: Animation.Infinite
            }
        }
    }
}
