// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The end of a battle: the winner with a cup and a shower of confetti, or a draw with
// both players side by side, the final scores, and the ways on.
Item {
    id: result

    property string leftName
    property string rightName
    property var leftAvatar: "1"
    property var rightAvatar: "1"
    property int leftScore: 0
    property int rightScore: 0
    property color leftTint: Theme.coral
    property color rightTint: Theme.sky
    readonly property int winner: leftScore > rightScore ? 0 : rightScore > leftScore ? 1 : -1

    signal again
    signal leave

    onVisibleChanged: {
        if (visible) {
            cardIn.restart();
            confetti.burst();
            encore.start();
        } else {
            encore.stop();
        }
    }

    // The confetti comes again a few times: a win deserves a long party.
    Timer {
        id: encore
        interval: 2600
        repeat: true
        onTriggered: confetti.burst()
    }

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        anchors.fill: parent
        color: "#99000000"
    }

    Panel {
        id: card
        anchors.horizontalCenter: parent.horizontalCenter
        y: 70
        width: 560
        height: 360
        title: result.winner < 0 ? "平局！" : "胜利！"
        ribbon: result.winner < 0 ? Theme.calm : Theme.go

        Column {
            anchors.centerIn: parent
            spacing: 10

            Trophy {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 80
                height: 90
                visible: result.winner >= 0
                SequentialAnimation on rotation {
                    running: result.visible
                    loops: Animation.Infinite
                    NumberAnimation {
                        to: 8
                        duration: 400
                        easing.type: Easing.InOutSine
                    }
                    NumberAnimation {
                        to: -8
                        duration: 800
                        easing.type: Easing.InOutSine
                    }
                    NumberAnimation {
                        to: 0
                        duration: 400
                        easing.type: Easing.InOutSine
                    }
                }
            }

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                width: card.width - 40
                horizontalAlignment: Text.AlignHCenter
                text: result.winner < 0 ? "两位一样厉害！" : (result.winner === 0 ? result.leftName : result.rightName) + " 获胜！"
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                font.family: Theme.brush
                font.pixelSize: 40
                font.bold: true
                color: result.winner === 0 ? result.leftTint : result.winner === 1 ? result.rightTint : Theme.calm
                style: Text.Outline
                styleColor: Theme.ink
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 70

                Repeater {
                    model: [{
                            "avatar": result.leftAvatar,
                            "score": result.leftScore,
                            "tint": result.leftTint,
                            "side": 0
                        }, {
                            "avatar": result.rightAvatar,
                            "score": result.rightScore,
                            "tint": result.rightTint,
                            "side": 1
                        }]

                    Column {
                        id: contender

                        required property var modelData
                        readonly property bool champion: result.winner === modelData.side

                        anchors.bottom: parent.bottom
                        spacing: 4

                        Avatar {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: contender.champion ? 104 : 84
                            height: width
                            number: contender.modelData.avatar
                            opacity: result.winner < 0 || contender.champion ? 1 : 0.6
                            transform: Translate {
                                SequentialAnimation on y {
                                    running: result.visible && contender.champion
                                    loops: Animation.Infinite
                                    NumberAnimation {
                                        to: -12
                                        duration: 260
                                        easing.type: Easing.OutQuad
                                    }
                                    NumberAnimation {
                                        to: 0
                                        duration: 260
                                        easing.type: Easing.InQuad
                                    }
                                }
                            }
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: contender.modelData.score + " 分"
                            font.family: Theme.font
                            font.pixelSize: 28
                            font.bold: true
                            color: contender.modelData.tint
                        }
                    }
                }
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: card.y + card.height + 22
        spacing: 30
        GameButton {
            width: 210
            height: 66
            text: "再来一局"
            color: Theme.go
            onClicked: result.again()
        }
        GameButton {
            width: 210
            height: 66
            text: "离开"
            color: Theme.leave
            onClicked: result.leave()
        }
    }

    Confetti {
        id: confetti
        anchors.fill: parent
        pieces: 60
    }

    NumberAnimation {
        id: cardIn
        target: card
        property: "scale"
        from: 0.4
        to: 1
        duration: 500
        easing.type: Easing.OutBack
    }
}
