// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// One of the four answers: a letter bubble and the answer's text on a card. The mark
// tells the outcome: "idle", "right" (picked and right), "wrong" (picked and wrong),
// "reveal" (the right one, shown after a miss) or "dim" (out of the game).
Item {
    id: card

    property string letter
    property string text
    property color accent: Theme.sky
    property string mark: "idle"
    property bool active: true
    property string keyLeft
    property color keyLeftTint: Theme.ink
    property string keyRight
    property color keyRightTint: Theme.ink
    property string tag
    property color tagTint: Theme.ink

    signal picked

    readonly property color face: mark === "right" || mark === "reveal" ? "#c8f7c5" : mark === "wrong" ? "#ffd0cc" : Theme.white
    readonly property color rim: mark === "right" || mark === "reveal" ? "#43a047" : mark === "wrong" ? "#e53935" : Qt.darker(accent, 1.2)

    opacity: mark === "dim" ? 0.45 : 1
    scale: area.containsMouse && card.active ? 1.04 : 1
    Behavior on scale {
        NumberAnimation {
            duration: 150
            easing.type: Easing.OutBack
        }
    }
    Behavior on opacity {
        NumberAnimation {
            duration: 250
        }
    }

    onMarkChanged: {
        if (mark === "right")
            hop.restart();
        else if (mark === "wrong")
            shake.restart();
    }

    Item {
        id: body

        width: card.width
        height: card.height

        Rectangle {
            anchors.fill: parent
            anchors.topMargin: 5
            radius: 16
            color: Qt.darker(card.rim, 1.3)
        }

        SeamCover {
            target: plate
            visible: card.opacity === 1
        }

        Rectangle {
            id: plate
            width: parent.width
            height: parent.height - 5
            radius: 16
            color: card.face
            border.color: card.rim
            border.width: card.mark === "idle" || card.mark === "dim" ? 3 : 5

            Rectangle {
                id: bubble
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(parent.height - 16, 54, Math.round(card.width * 0.22))
                height: width
                radius: width / 2
                color: card.mark === "right" || card.mark === "reveal" ? "#43a047" : card.mark === "wrong" ? "#e53935" : card.accent
                border.color: Qt.darker(color, 1.3)
                border.width: 2

                Text {
                    anchors.centerIn: parent
                    text: card.mark === "right" || card.mark === "reveal" ? "✔" : card.mark === "wrong" ? "✘" : card.letter
                    font.family: Theme.font
                    font.pixelSize: parent.height * 0.58
                    font.bold: true
                    color: Theme.white
                }
            }

            // The answer takes the card's width: a short one stays on one line, a little
            // smaller if need be; a long one wraps to two lines clear of the key in the
            // corner, at the size that fills them (a character's width spare for the wrap).
            Text {
                id: answerText

                readonly property int fullSize: 24
                readonly property int smallestOneLine: 16
                readonly property real advance: Math.max(1, oneLineWidth.advanceWidth)
                readonly property real oneLineRoom: parent.width - bubble.x - bubble.width - 8 - 8
                readonly property real twoLineRoom: oneLineRoom - (card.keyRight.length > 0 ? 12 : 0)
                readonly property bool oneLine: advance * smallestOneLine / fullSize <= oneLineRoom

                anchors.left: bubble.right
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.leftMargin: 8
                anchors.rightMargin: 8 + (oneLine ? 0 : oneLineRoom - twoLineRoom)
                anchors.topMargin: 6
                anchors.bottomMargin: 6
                text: card.text
                textFormat: Text.PlainText
                wrapMode: oneLine ? Text.NoWrap : Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                fontSizeMode: Text.Fit
                minimumPixelSize: 12
                font.pixelSize: Math.min(fullSize, Math.floor(oneLine ? fullSize * oneLineRoom / advance : fullSize * 2 * twoLineRoom / (advance + fullSize)))
                font.family: Theme.font
                font.bold: true
                color: Theme.ink
                verticalAlignment: Text.AlignVCenter

                TextMetrics {
                    id: oneLineWidth
                    font.family: Theme.font
                    font.bold: true
                    font.pixelSize: answerText.fullSize
                    text: card.text
                }
            }
        }

        KeyCap {
            visible: card.keyLeft.length > 0
            label: card.keyLeft
            tint: card.keyLeftTint
            x: -8
            y: -8
        }

        KeyCap {
            visible: card.keyRight.length > 0
            label: card.keyRight
            tint: card.keyRightTint
            x: card.width - width + 8
            y: -8
        }

        Rectangle {
            visible: card.tag.length > 0
            x: card.width - width - 6
            y: card.height - height - 2
            width: Math.min(card.width / 2, tagText.implicitWidth + 14)
            height: 22
            radius: 11
            color: card.tagTint
            Text {
                id: tagText
                anchors.fill: parent
                anchors.leftMargin: 7
                anchors.rightMargin: 7
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignHCenter
                text: card.tag
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.family: Theme.font
                font.pixelSize: 14
                font.bold: true
                color: Theme.white
            }
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        enabled: card.active
        cursorShape: Qt.PointingHandCursor
        onClicked: card.picked()
    }

    SequentialAnimation {
        id: hop
        NumberAnimation {
            target: body
            property: "y"
            to: -14
            duration: 140
            easing.type: Easing.OutQuad
        }
        NumberAnimation {
            target: body
            property: "y"
            to: 0
            duration: 420
            easing.type: Easing.OutBounce
        }
    }

    SequentialAnimation {
        id: shake
        loops: 2
        NumberAnimation {
            target: body
            property: "x"
            to: -9
            duration: 55
        }
        NumberAnimation {
            target: body
            property: "x"
            to: 9
            duration: 110
        }
        NumberAnimation {
            target: body
            property: "x"
            to: 0
            duration: 55
        }
    }
}
