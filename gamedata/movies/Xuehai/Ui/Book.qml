// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// An open book seen from the front. With flapping on, its pages beat like wings, so
// the same book can float on the sea or fly across the sky.
Item {
    id: book

    property color cover: Theme.coral
    property bool flapping: false
    property int flapPeriod: 700
    property real flap: 1

    implicitWidth: 90
    implicitHeight: 60

    component Leaf: CachedImage {
        id: leaf
        property bool leftSide
        width: book.width / 2
        height: book.height
        transform: Scale {
            origin.x: leaf.leftSide ? leaf.width : 0
            xScale: 0.35 + 0.65 * book.flap
        }
        Rectangle {
            anchors.fill: parent
            radius: 6
            color: Qt.darker(book.cover, 1.05)
            border.color: Qt.darker(book.cover, 1.5)
            border.width: 2
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: 4
            anchors.bottomMargin: 7
            radius: 3
            color: "#fffdf5"
            Column {
                anchors.fill: parent
                anchors.margins: parent.width * 0.14
                spacing: parent.height * 0.1
                Repeater {
                    model: 4
                    Rectangle {
                        width: parent.width
                        height: Math.max(1.5, book.height / 40)
                        color: "#c9b8a0"
                    }
                }
            }
        }
    }

    Leaf {
        leftSide: true
    }
    Leaf {
        leftSide: false
        x: book.width / 2
    }
    Rectangle {
        x: book.width / 2 - 2
        width: 4
        height: book.height
        radius: 2
        color: Qt.darker(book.cover, 1.6)
    }

    SequentialAnimation on flap {
        running: book.flapping
        loops: Animation.Infinite
        NumberAnimation {
            from: 1
            to: 0
            duration: book.flapPeriod / 2
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            from: 0
            to: 1
            duration: book.flapPeriod / 2
            easing.type: Easing.InOutSine
        }
    }
}
