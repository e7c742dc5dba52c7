// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The strip over a battle: which question of how many, the arena's name, and a way back
// to the set-up.
Item {
    id: bar

    property string arenaName
    property int asked: 0
    property int limit: 10

    signal finish

    height: 50

    SeamCover {
        target: countPill
    }

    Rectangle {
        id: countPill
        width: 184
        height: 46
        radius: 23
        color: Theme.paper
        border.color: Theme.wood
        border.width: 3
        Text {
            anchors.centerIn: parent
            text: "第 " + Math.max(1, bar.asked) + " / " + bar.limit + " 题"
            font.family: Theme.font
            font.pixelSize: 22
            font.bold: true
            color: Theme.ink
        }
    }

    SeamCover {
        target: namePanel
    }

    Rectangle {
        id: namePanel
        anchors.horizontalCenter: parent.horizontalCenter
        width: nameText.implicitWidth + 48
        height: 46
        radius: 12
        color: Theme.paper
        border.color: Theme.wood
        border.width: 4
        Text {
            id: nameText
            anchors.centerIn: parent
            text: bar.arenaName
            font.family: Theme.brush
            font.pixelSize: 30
            font.bold: true
            color: Theme.coral
        }
    }

    GameButton {
        anchors.right: parent.right
        width: 120
        height: 48
        fontSize: 21
        text: "结束"
        color: Theme.leave
        onClicked: bar.finish()
    }
}
