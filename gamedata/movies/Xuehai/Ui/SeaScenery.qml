// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The backdrop of the quiz and test screens: a sky with drifting clouds over the sea
// of learning, whose waves roll and bubbles rise while the child thinks.
Item {
    id: scenery

    property color tint: Theme.sky
    property real seaTop: height - 84

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Qt.lighter(scenery.tint, 1.25)
            }
            GradientStop {
                position: 0.6
                color: Theme.skyBottom
            }
            GradientStop {
                position: 1
                color: Theme.foam
            }
        }
    }

    Rectangle {
        x: scenery.width - 92
        y: -38
        width: 130
        height: 130
        radius: 65
        color: Theme.sun
        opacity: 0.85
    }

    Repeater {
        model: 3

        Item {
            id: cloud

            required property int index

            // The drift moves in whole pixels: a cloud repaints only when it has moved one.
            property real drift: -140 + index * 260
            x: Math.round(drift)
            y: 40 + index * 70
            width: 110 - index * 16
            height: width * 0.4
            opacity: 0.75

            NumberAnimation on drift {
                from: -140 + cloud.index * 260
                to: scenery.width + 20
                duration: 26000 + cloud.index * 7000
                loops: Animation.Infinite
            }

            Rectangle {
                y: parent.height * 0.35
                width: parent.width
                height: parent.height * 0.65
                radius: height / 2
                color: Theme.white
            }
            Rectangle {
                x: parent.width * 0.2
                width: parent.width * 0.45
                height: width
                radius: width / 2
                color: Theme.white
            }
            Rectangle {
                x: parent.width * 0.5
                y: parent.height * 0.15
                width: parent.width * 0.35
                height: width
                radius: width / 2
                color: Theme.white
            }
        }
    }

    // The sea rolls towards the right, some thirty pixels a second; only the crests move,
    // the water under them stands still.
    Repeater {
        model: [{
                "shade": Theme.seaLight,
                "lift": 0,
                "period": 1300
            }, {
                "shade": Theme.sea,
                "lift": 16,
                "period": 975
            }]

        Wave {
            required property var modelData

            y: scenery.seaTop + modelData.lift - crest
            width: scenery.width
            height: scenery.height - y
            color: modelData.shade
            crest: 10
            length: 40
            period: modelData.period
            reverse: true
        }
    }

    Repeater {
        model: 7

        Rectangle {
            id: bubble

            required property int index

            x: 30 + (index * 89) % (scenery.width - 40)
            width: 8 + (index % 3) * 5
            height: width
            radius: width / 2
            color: "transparent"
            border.color: Theme.white
            border.width: 2
            opacity: 0.7
            // Whole pixels, so a bubble repaints only when it has risen one.
            property real rise: scenery.height
            y: Math.round(rise)

            SequentialAnimation on rise {
                loops: Animation.Infinite
                PauseAnimation {
                    duration: bubble.index * 700
                }
                NumberAnimation {
                    from: scenery.height
                    to: scenery.seaTop
                    duration: 2600 + bubble.index * 150
                    easing.type: Easing.OutQuad
                }
            }
        }
    }
}
