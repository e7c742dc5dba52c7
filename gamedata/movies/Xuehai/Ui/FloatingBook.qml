// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// An open book riding the waves: it bobs around its resting height and rocks a little.
Book {
    id: floater

    property real restY: 0
    property int beat: 1400

    y: restY
    rotation: -4

    SequentialAnimation on y {
        loops: Animation.Infinite
        NumberAnimation {
            to: floater.restY - 9
            duration: floater.beat
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: floater.restY + 5
            duration: floater.beat
            easing.type: Easing.InOutSine
        }
    }
    SequentialAnimation on rotation {
        loops: Animation.Infinite
        NumberAnimation {
            to: 5
            duration: floater.beat * 1.3
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: -5
            duration: floater.beat * 1.3
            easing.type: Easing.InOutSine
        }
    }
}
