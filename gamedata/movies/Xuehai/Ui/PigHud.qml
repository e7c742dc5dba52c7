// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The mini-game's top strip: points so far, the time left as a shrinking bar, and a
// way back to the map.
Item {
    id: hud

    property int points: 0
    property int secondsLeft: 0
    property real fraction: 1

    signal leave

    height: 62

    Rectangle {
        x: 10
        y: 10
        width: 150
        height: 44
        radius: 22
        color: "#e6ffffff"
        border.color: Theme.paperEdge
        border.width: 3
        Fruit {
            x: 8
            anchors.verticalCenter: parent.verticalCenter
            kind: 0
        }
        Text {
            x: 48
            anchors.verticalCenter: parent.verticalCenter
            text: "得分 " + hud.points
            font.family: Theme.font
            font.pixelSize: 22
            font.bold: true
            color: hud.points < 0 ? "#c62828" : Theme.ink
        }
    }

    Rectangle {
        id: clockFace
        x: 176
        y: 10
        width: hud.width - 176 - 126
        height: 44
        radius: 22
        color: "#e6ffffff"
        border.color: Theme.paperEdge
        border.width: 3

        Rectangle {
            x: 6
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(height, (parent.width - 12) * hud.fraction)
            height: parent.height - 12
            radius: height / 2
            color: hud.secondsLeft <= 10 ? Theme.coral : Theme.grass
        }
        Text {
            anchors.centerIn: parent
            text: "还剩 " + hud.secondsLeft + " 秒"
            font.family: Theme.font
            font.pixelSize: 20
            font.bold: true
            color: Theme.ink
        }
    }

    GameButton {
        x: hud.width - width - 10
        y: 8
        width: 106
        height: 48
        fontSize: 21
        text: "离开"
        color: Theme.leave
        onClicked: hud.leave()
    }
}
