// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// One side of the battle: the player's avatar and name, the score, what the player is
// doing now, and which keys answer A to D.
Item {
    id: player

    property string name
    property var avatar: "1"
    property int score: 0
    property color tint: Theme.coral
    property var keys: ["A", "S", "D", "F"]
    property string moreKeys
    property string status

    function cheer() {
        gain.restart();
    }

    function oops() {
        shake.restart();
    }

    implicitWidth: 184
    implicitHeight: 350

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 6
        anchors.leftMargin: 6
        anchors.rightMargin: -6
        anchors.bottomMargin: -6
        radius: Theme.radius
        color: Theme.shadow
    }

    // An opaque square under the card, well inside its rim and hidden by it: the software
    // renderer does not redraw what lies behind an opaque square, so the forest moving
    // behind the card costs nothing and the card is not redrawn piecemeal over it.
    Backing {
        panel: plate
        inset: 10
    }

    SeamCover {
        target: plate
    }
    Rectangle {
        id: plate
        anchors.fill: parent
        radius: Theme.radius
        color: Theme.paper
        border.color: player.tint
        border.width: 5
    }

    Item {
        id: face
        anchors.horizontalCenter: parent.horizontalCenter
        y: 12
        width: 112
        height: 112

        Avatar {
            id: picture
            width: parent.width
            height: parent.height
            number: player.avatar
            transformOrigin: Item.Bottom
        }
    }

    Text {
        id: nameText
        anchors.horizontalCenter: parent.horizontalCenter
        y: face.y + face.height + 6
        width: parent.width - 16
        horizontalAlignment: Text.AlignHCenter
        text: player.name
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.family: Theme.font
        font.pixelSize: 22
        font.bold: true
        color: Theme.ink
    }

    SeamCover {
        target: scoreBox
    }

    Rectangle {
        id: scoreBox
        anchors.horizontalCenter: parent.horizontalCenter
        y: nameText.y + nameText.height + 6
        width: 130
        height: 58
        radius: 14
        color: player.tint
        border.color: Qt.darker(player.tint, 1.3)
        border.width: 3
        Row {
            anchors.centerIn: parent
            spacing: 4
            Text {
                id: scoreText
                anchors.baseline: unit.baseline
                text: String(player.score)
                font.family: Theme.font
                font.pixelSize: 40
                font.bold: true
                color: Theme.white
            }
            Text {
                id: unit
                anchors.verticalCenter: parent.verticalCenter
                text: "分"
                font.family: Theme.font
                font.pixelSize: 20
                font.bold: true
                color: Theme.white
            }
        }
    }

    Text {
        id: statusText
        anchors.horizontalCenter: parent.horizontalCenter
        y: scoreBox.y + scoreBox.height + 6
        width: parent.width - 12
        height: 28
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: player.status
        fontSizeMode: Text.Fit
        minimumPixelSize: 12
        font.family: Theme.font
        font.pixelSize: 18
        font.bold: true
        color: Qt.darker(player.tint, 1.4)
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        spacing: 2

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 6
            Repeater {
                model: 4
                Column {
                    required property int index
                    spacing: 1
                    KeyCap {
                        anchors.horizontalCenter: parent.horizontalCenter
                        label: player.keys[index]
                        tint: Qt.darker(player.tint, 1.3)
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: ["A", "B", "C", "D"][index]
                        font.family: Theme.font
                        font.pixelSize: 14
                        font.bold: true
                        color: Theme.inkSoft
                    }
                }
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: player.moreKeys.length > 0
            text: player.moreKeys
            font.family: Theme.font
            font.pixelSize: 14
            font.bold: true
            color: Theme.inkSoft
        }
    }

    Text {
        id: plus
        anchors.horizontalCenter: face.horizontalCenter
        y: face.y + 20
        opacity: 0
        text: "+10"
        font.family: Theme.font
        font.pixelSize: 40
        font.bold: true
        color: Theme.sunDeep
        style: Text.Outline
        styleColor: Theme.white
    }

    SequentialAnimation {
        id: gain
        ParallelAnimation {
            NumberAnimation {
                target: picture
                property: "scale"
                to: 1.2
                duration: 160
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                target: plus
                property: "opacity"
                from: 0
                to: 1
                duration: 120
            }
            NumberAnimation {
                target: plus
                property: "y"
                from: face.y + 20
                to: face.y - 20
                duration: 700
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                target: scoreBox
                property: "scale"
                from: 1.3
                to: 1
                duration: 500
                easing.type: Easing.OutBack
            }
        }
        ParallelAnimation {
            NumberAnimation {
                target: picture
                property: "scale"
                to: 1
                duration: 500
                easing.type: Easing.OutBounce
            }
            NumberAnimation {
                target: plus
                property: "opacity"
                to: 0
                duration: 400
            }
        }
    }

    SequentialAnimation {
        id: shake
        loops: 3
        NumberAnimation {
            target: face
            property: "rotation"
            to: -10
            duration: 60
        }
        NumberAnimation {
            target: face
            property: "rotation"
            to: 10
            duration: 120
        }
        NumberAnimation {
            target: face
            property: "rotation"
            to: 0
            duration: 60
        }
    }
}
