// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The opening of a battle: both players slide in, face each other, and a countdown
// starts the contest.
Item {
    id: intro

    property string leftName
    property string rightName
    property var leftAvatar: "1"
    property var rightAvatar: "1"
    property color leftTint: Theme.coral
    property color rightTint: Theme.sky
    property int limit: 10
    property int countdown: 3

    Rectangle {
        anchors.fill: parent
        color: "#88000000"
    }

    MouseArea {
        anchors.fill: parent
    }

    Repeater {
        model: [{
                "name": intro.leftName,
                "avatar": intro.leftAvatar,
                "tint": intro.leftTint,
                "side": 0
            }, {
                "name": intro.rightName,
                "avatar": intro.rightAvatar,
                "tint": intro.rightTint,
                "side": 1
            }]

        Column {
            id: fighter

            required property var modelData
            required property int index
            readonly property real restX: modelData.side === 0 ? intro.width / 2 - 90 - width : intro.width / 2 + 90

            x: restX
            y: 150
            width: 190
            spacing: 8

            Avatar {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 150
                height: 150
                number: fighter.modelData.avatar
            }
            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width
                height: 44
                radius: 22
                color: fighter.modelData.tint
                border.color: Theme.white
                border.width: 3
                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 10
                    anchors.rightMargin: 10
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: fighter.modelData.name
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    font.family: Theme.font
                    font.pixelSize: 24
                    font.bold: true
                    color: Theme.white
                }
            }

            NumberAnimation on x {
                running: intro.visible
                from: fighter.modelData.side === 0 ? -fighter.width : intro.width
                to: fighter.restX
                duration: 700
                easing.type: Easing.OutBack
            }
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 200
        text: "VS"
        font.family: Theme.font
        font.pixelSize: 64
        font.bold: true
        font.italic: true
        color: Theme.sun
        style: Text.Outline
        styleColor: Theme.leave
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 70
        text: "抢答 " + intro.limit + " 题，看谁答得又快又对！"
        font.family: Theme.font
        font.pixelSize: 28
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.ink
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 366
        text: intro.leftName + " 按 A S D F，" + intro.rightName + " 按 J K L ; 或方向键"
        textFormat: Text.PlainText
        font.family: Theme.font
        font.pixelSize: 22
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.ink
    }

    Text {
        id: count
        anchors.horizontalCenter: parent.horizontalCenter
        y: 400
        text: intro.countdown > 0 ? String(intro.countdown) : "开始！"
        font.family: Theme.font
        font.pixelSize: 90
        font.bold: true
        color: Theme.sun
        style: Text.Outline
        styleColor: Theme.coral
        onTextChanged: pop.restart()
        NumberAnimation on scale {
            id: pop
            from: 1.7
            to: 1
            duration: 400
            easing.type: Easing.OutBack
        }
    }
}
