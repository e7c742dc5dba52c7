// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A short word with three hopping dots, while the screen waits for the host.
Row {
    id: waiting

    property string text
    property color color: Theme.inkSoft

    spacing: 4

    Text {
        text: waiting.text
        font.family: Theme.font
        font.pixelSize: 26
        font.bold: true
        color: waiting.color
    }

    Repeater {
        model: 3

        Rectangle {
            id: dot

            required property int index

            anchors.bottom: parent.bottom
            anchors.bottomMargin: 8 + lift
            property real lift: 0
            width: 10
            height: 10
            radius: 5
            color: waiting.color

            SequentialAnimation on lift {
                running: waiting.visible
                loops: Animation.Infinite
                PauseAnimation {
                    duration: dot.index * 150
                }
                NumberAnimation {
                    to: 12
                    duration: 220
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    to: 0
                    duration: 220
                    easing.type: Easing.InQuad
                }
                PauseAnimation {
                    duration: 450 - dot.index * 150
                }
            }
        }
    }
}
