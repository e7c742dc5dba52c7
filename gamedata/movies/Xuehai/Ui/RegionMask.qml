// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// Clouds and a padlock over a region the player has not reached yet. The host sends the
// clip to frame 2 when the player's class opens the region; the clouds then drift off.
Clip {
    id: mask

    property string notice
    readonly property bool open: frame >= 2
    property real clearing: open ? 1 : 0

    function shake() {
        wobble.restart();
    }

    visible: clearing < 1
    Behavior on clearing {
        NumberAnimation {
            duration: 1800
            easing.type: Easing.InOutQuad
        }
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 30
        radius: 60
        color: "#e8eef5"
        opacity: 0.92 * (1 - mask.clearing)
    }

    Repeater {
        model: Math.max(1, Math.round(mask.width / 130)) * Math.max(1, Math.round(mask.height / 90))
        Cloud {
            id: puff
            required property int index
            readonly property int columns: Math.max(1, Math.round(mask.width / 130))
            readonly property int column: index % columns
            readonly property int row: Math.floor(index / columns)
            readonly property real homeX: column * (mask.width - 140) / Math.max(1, columns - 1) - 10
            readonly property real homeY: row * 90 - 20 + (column % 2) * 30
            readonly property real awayX: (homeX + width / 2 < mask.width / 2) ? -260 : 260
            width: 170
            color: index % 3 ? "#ffffff" : "#f1f5fa"
            x: homeX + awayX * mask.clearing
            y: homeY - 60 * mask.clearing
            opacity: 1 - mask.clearing
        }
    }

    Column {
        id: badge
        anchors.centerIn: parent
        spacing: 6
        opacity: 1 - mask.clearing
        scale: 1 + mask.clearing

        Item {
            id: padlock
            anchors.horizontalCenter: parent.horizontalCenter
            width: 70
            height: 84
            Rectangle {
                x: 14
                y: 34 * mask.clearing
                width: 42
                height: 50
                radius: 21
                color: "transparent"
                border.color: "#90a4ae"
                border.width: 9
            }
            Rectangle {
                y: 34
                width: 70
                height: 50
                radius: 10
                color: Theme.sun
                border.color: Theme.sunDeep
                border.width: 3
                Rectangle {
                    anchors.centerIn: parent
                    width: 12
                    height: 20
                    radius: 6
                    color: Theme.ink
                }
            }
            SequentialAnimation on rotation {
                id: wobble
                running: false
                NumberAnimation { to: -14; duration: 80 }
                NumberAnimation { to: 14; duration: 120 }
                NumberAnimation { to: -8; duration: 100 }
                NumberAnimation { to: 0; duration: 90 }
            }
        }

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: notice.implicitWidth + 36
            height: 44
            radius: 22
            color: Theme.grape
            border.color: Theme.white
            border.width: 3
            Text {
                id: notice
                anchors.centerIn: parent
                text: mask.notice
                font.family: Theme.font
                font.pixelSize: 22
                font.bold: true
                color: Theme.white
            }
        }
    }
}
