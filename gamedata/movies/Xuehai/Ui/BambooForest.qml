// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// A misty bamboo forest with a stone floor: stalks swaying at their tops and drifting
// leaves.
Item {
    id: forest

    // The stalks whose tops show between the pieces of an arena's top bar sway; the rest
    // stand behind the panels.
    readonly property var swaying: [4, 5, 10, 11, 12]
    readonly property var leafLanes: [96, 272, 532, 712]

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
        BambooStalk {
            x: (index * 53 + (index % 2) * 17) % (forest.width + 20) - 10
            height: forest.height - 70
            sways: forest.swaying.indexOf(index) >= 0
        }
    }

    // Leaves drift down in lanes clear of the rounded corners of the battle's panels and
    // of the hills (the software renderer may leave a seam in a rounded corner it redraws
    // only in part at a scale other than 1), and vanish behind the floor.
    Repeater {
        model: forest.leafLanes
        Rectangle {
            id: leaf
            required property int index
            required property int modelData
            width: 16
            height: 7
            radius: 4
            color: "#40916c"
            x: modelData
            y: Math.round(fall)
            property real fall: -20
            SequentialAnimation on fall {
                loops: Animation.Infinite
                PauseAnimation {
                    duration: leaf.index * 2300
                }
                NumberAnimation {
                    from: -20
                    to: forest.height - 90
                    duration: 8000
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
}
