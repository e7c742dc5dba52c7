// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// An open book riding the waves: it bobs around its resting height and rocks a little,
// drawn once into an image that does so.
CachedImage {
    id: floater

    property color cover: Theme.coral
    property real restY: 0
    property int beat: 1400
    // Bobbing and rocking move in whole pixels and half degrees: the book drifts slowly,
    // so this spares the software renderer most repaints without looking jerky.
    property real bob: 0
    property real rock: -4

    implicitWidth: 90
    implicitHeight: 60
    y: Math.round(restY + bob)
    rotation: Math.round(rock * 2) / 2

    Book {
        anchors.fill: parent
        cover: floater.cover
    }

    SequentialAnimation on bob {
        loops: Animation.Infinite
        NumberAnimation {
            to: -9
            duration: floater.beat
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: 5
            duration: floater.beat
            easing.type: Easing.InOutSine
        }
    }
    SequentialAnimation on rock {
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
