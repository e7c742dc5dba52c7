// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The player at a glance: avatar, name, score and class (等级) on a rounded card.
Rectangle {
    id: card

    property string name
    property string score
    property string grade
    property var avatar: 1

    implicitWidth: 270
    implicitHeight: 62
    radius: height / 2
    color: "#f2fff8e6"
    border.color: Theme.wood
    border.width: 3

    Avatar {
        id: face
        x: 3
        y: 3
        width: card.height - 6
        height: width
        number: card.avatar
    }

    Text {
        x: face.width + 12
        y: card.height * 0.06
        width: card.width - x - 16
        text: card.name.length > 0 ? card.name : "小探险家"
        elide: Text.ElideRight
        font.family: Theme.font
        font.pixelSize: Math.round(card.height * 0.32)
        font.bold: true
        color: Theme.ink
    }

    Row {
        x: face.width + 12
        y: card.height * 0.52
        spacing: 8
        Repeater {
            model: [
                { "label": "分数", "value": card.score, "color": Theme.go },
                { "label": "等级", "value": card.grade, "color": Theme.calm }
            ]
            Rectangle {
                required property var modelData
                width: chip.implicitWidth + 18
                height: card.height * 0.36
                radius: height / 2
                color: modelData.color
                Text {
                    id: chip
                    anchors.centerIn: parent
                    text: modelData.label + " " + (modelData.value.length > 0 ? modelData.value : "0")
                    font.family: Theme.font
                    font.pixelSize: Math.round(card.height * 0.24)
                    font.bold: true
                    color: Theme.white
                }
            }
        }
    }
}
