// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The end of a round of the mini-game: what the pig ate, how often it bumped, and the
// points won or lost.
Item {
    id: result

    property int fruitCount: 0
    property int fruitPoints: 0
    property int bumps: 0
    property int bumpCost: 3
    property int net: 0
    readonly property bool won: net > 0

    signal leave

    onVisibleChanged: {
        if (visible) {
            cardIn.restart();
            if (won)
                confetti.burst();
        }
    }

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        anchors.fill: parent
        color: "#66000000"
    }

    Panel {
        id: card
        anchors.horizontalCenter: parent.horizontalCenter
        y: 50
        width: 460
        height: 300
        title: "时间到！"
        ribbon: result.won ? Theme.go : Theme.sky

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 10
            spacing: 10

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10
                Fruit {
                    kind: 2
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "吃到水果 " + result.fruitCount + " 个，加 " + result.fruitPoints + " 分"
                    font.family: Theme.font
                    font.pixelSize: 22
                    font.bold: true
                    color: Theme.ink
                }
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10
                Obstacle {
                    kind: 0
                    scale: 0.7
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "撞到障碍 " + result.bumps + " 次，扣 " + result.bumps * result.bumpCost + " 分"
                    font.family: Theme.font
                    font.pixelSize: 22
                    font.bold: true
                    color: Theme.ink
                }
            }

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: result.won ? "你赢得了 " + result.net + " 积分！" : result.net === 0 ? "这次不输也不赢" : "这次扣了 " + -result.net + " 积分"
                font.family: Theme.font
                font.pixelSize: 32
                font.bold: true
                color: result.won ? "#2e7d32" : "#c62828"
            }

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: result.won ? "小猪吃得饱饱的，好开心！" : "没关系，下次跳得更高！"
                font.family: Theme.brush
                font.pixelSize: 26
                color: Theme.inkSoft
            }
        }
    }

    GameButton {
        anchors.horizontalCenter: parent.horizontalCenter
        y: card.y + card.height + 20
        width: 200
        height: 60
        text: "回到地图"
        color: Theme.go
        onClicked: result.leave()
    }

    Confetti {
        id: confetti
        anchors.fill: parent
    }

    NumberAnimation {
        id: cardIn
        target: card
        property: "scale"
        from: 0.5
        to: 1
        duration: 450
        easing.type: Easing.OutBack
    }
}
