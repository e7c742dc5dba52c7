// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Bubbles carrying letters, digits and characters rise through the area and fade out
// at its top: the sea is full of things to learn.
Item {
    id: area

    property var signs: ["A", "文", "1", "+", "?", "π", "b", "学", "3", "知"]
    property int count: 8

    Repeater {
        model: area.count
        // Each bubble is drawn once into an image that rises, sways and fades.
        CachedImage {
            id: bubble
            required property int index
            readonly property real startX: (index + 0.5) * area.width / area.count
            width: 34 + (index % 3) * 8
            height: width
            // Small and soft: copied without smoothing.
            smooth: false
            // Positions are kept in whole pixels so slow bubbles repaint less often.
            property real riseY: area.height
            property real swayX: startX
            x: Math.round(swayX)
            y: Math.round(riseY)
            opacity: 0

            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: "#40ffffff"
                border.color: "#ccffffff"
                border.width: 2
            }
            Rectangle {
                x: parent.width * 0.2
                y: parent.height * 0.16
                width: parent.width * 0.22
                height: width
                radius: width / 2
                color: "#ccffffff"
            }
            Text {
                anchors.centerIn: parent
                text: area.signs[bubble.index % area.signs.length]
                font.family: Theme.font
                font.pixelSize: bubble.width * 0.5
                font.bold: true
                color: Theme.white
            }

            SequentialAnimation {
                running: area.visible
                loops: Animation.Infinite
                PauseAnimation {
                    duration: (bubble.index * 1370) % 4000
                }
                ParallelAnimation {
                    NumberAnimation {
                        target: bubble
                        property: "riseY"
                        from: area.height
                        to: -bubble.height
                        duration: 5200 + (bubble.index % 4) * 700
                        easing.type: Easing.OutSine
                    }
                    SequentialAnimation {
                        NumberAnimation {
                            target: bubble
                            property: "opacity"
                            from: 0
                            to: 1
                            duration: 600
                        }
                        PauseAnimation {
                            duration: 3200
                        }
                        NumberAnimation {
                            target: bubble
                            property: "opacity"
                            to: 0
                            duration: 1200
                        }
                    }
                    SequentialAnimation {
                        loops: 3
                        NumberAnimation {
                            target: bubble
                            property: "swayX"
                            to: bubble.startX + 14
                            duration: 900
                            easing.type: Easing.InOutSine
                        }
                        NumberAnimation {
                            target: bubble
                            property: "swayX"
                            to: bubble.startX - 14
                            duration: 900
                            easing.type: Easing.InOutSine
                        }
                    }
                }
            }
        }
    }
}
