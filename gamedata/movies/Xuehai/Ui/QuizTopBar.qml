// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The strip over a quiz: the subject's badge and name, the difficulty in stars, this
// visit's tally and the way out.
Item {
    id: bar

    property color accent: Theme.sky
    property string subjectName
    property int difficulty: 1
    property bool showDifficulty: true
    property int rightCount: 0
    property int wrongCount: 0

    signal leave

    height: 50

    Rectangle {
        id: badge
        width: 50
        height: 50
        radius: 25
        color: bar.accent
        border.color: Theme.white
        border.width: 3
        Text {
            anchors.centerIn: parent
            text: bar.subjectName.length > 0 ? bar.subjectName.charAt(0) : "学"
            font.family: Theme.brush
            font.pixelSize: 30
            font.bold: true
            color: Theme.white
        }
        SequentialAnimation on rotation {
            loops: Animation.Infinite
            NumberAnimation {
                to: 8
                duration: 900
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: -8
                duration: 1800
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: 0
                duration: 900
                easing.type: Easing.InOutSine
            }
        }
    }

    Text {
        id: title
        anchors.left: badge.right
        anchors.leftMargin: 8
        anchors.verticalCenter: badge.verticalCenter
        text: bar.subjectName
        font.family: Theme.brush
        font.pixelSize: 34
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Qt.darker(bar.accent, 1.6)
    }

    Row {
        anchors.left: title.right
        anchors.leftMargin: 18
        anchors.verticalCenter: badge.verticalCenter
        spacing: 6
        visible: bar.showDifficulty
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "难度"
            font.family: Theme.font
            font.pixelSize: 18
            font.bold: true
            color: Theme.ink
        }
        Stars {
            anchors.verticalCenter: parent.verticalCenter
            count: bar.difficulty
        }
    }

    Rectangle {
        id: tally
        anchors.right: leaveButton.left
        anchors.rightMargin: 10
        anchors.verticalCenter: badge.verticalCenter
        width: tallyRow.implicitWidth + 24
        height: 40
        radius: 20
        color: "#ccffffff"
        border.color: Theme.paperEdge
        border.width: 2
        Row {
            id: tallyRow
            anchors.centerIn: parent
            spacing: 10
            Text {
                text: "✔ " + bar.rightCount
                font.family: Theme.font
                font.pixelSize: 20
                font.bold: true
                color: "#2e7d32"
            }
            Text {
                text: "✘ " + bar.wrongCount
                font.family: Theme.font
                font.pixelSize: 20
                font.bold: true
                color: "#c62828"
            }
        }
    }

    GameButton {
        id: leaveButton
        anchors.right: parent.right
        anchors.verticalCenter: badge.verticalCenter
        width: 100
        height: 46
        fontSize: 21
        text: "离开"
        color: Theme.leave
        onClicked: bar.leave()
    }
}
