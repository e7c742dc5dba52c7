// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// The backdrop of the quiz and test screens: a sky with drifting clouds over the sea
// of learning, whose waves roll and bubbles rise while the child thinks.
Item {
    id: scenery

    property color tint: Theme.sky
    property real seaTop: height - 84

    // One wave every 40 pixels, so a wave layer that slides by four waves loops seamlessly.
    function wavePath(width, crest, bottom) {
        let path = "M 0 " + crest;
        for (let x = 0; x < width; x += 40)
            path += " Q " + (x + 10) + " " + (crest - 10) + " " + (x + 20) + " " + crest + " Q " + (x + 30) + " " + (crest + 10) + " " + (x + 40) + " " + crest;
        return path + " L " + width + " " + bottom + " L 0 " + bottom + " Z";
    }

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
        RotationAnimation on rotation {
            from: 0
            to: 360
            duration: 30000
            loops: Animation.Infinite
        }
    }

    Repeater {
        model: 3

        Item {
            id: cloud

            required property int index

            y: 40 + index * 70
            width: 110 - index * 16
            height: width * 0.4
            opacity: 0.75

            NumberAnimation on x {
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

    Repeater {
        model: [{
                "shade": Theme.seaLight,
                "lift": 0,
                "period": 5200
            }, {
                "shade": Theme.sea,
                "lift": 16,
                "period": 3900
            }]

        Shape {
            id: wave

            required property var modelData
            readonly property real crest: scenery.seaTop + modelData.lift

            width: scenery.width + 160
            height: scenery.height
            NumberAnimation on x {
                from: -160
                to: 0
                duration: wave.modelData.period
                loops: Animation.Infinite
            }

            ShapePath {
                fillColor: wave.modelData.shade
                strokeColor: "transparent"
                PathSvg {
                    path: scenery.wavePath(wave.width, wave.crest, scenery.height)
                }
            }
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

            SequentialAnimation on y {
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
