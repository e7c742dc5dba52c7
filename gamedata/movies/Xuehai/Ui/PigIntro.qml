// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The card before a round of the mini-game: how to play, what scores, and a start button.
Item {
    id: intro

    property int seconds: 40
    property int bumpCost: 3

    signal start
    signal leave

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
        y: 44
        width: 540
        height: 320
        title: "小猪快跑"
        ribbon: Theme.berry

        Pig {
            x: 6
            y: 18
            running: intro.visible
            SequentialAnimation on y {
                running: intro.visible
                loops: Animation.Infinite
                NumberAnimation {
                    to: -4
                    duration: 300
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    to: 18
                    duration: 300
                    easing.type: Easing.InQuad
                }
                PauseAnimation {
                    duration: 500
                }
            }
        }

        Column {
            x: 110
            y: 8
            width: parent.width - 118
            spacing: 8

            Repeater {
                model: ["按空格键、↑ 键或点一下，小猪就跳起来。", "跳过石头、栅栏和树桩：撞到一次扣 " + intro.bumpCost + " 分。", "吃到水果加 1 分，金色星星加 5 分！", "一局 " + intro.seconds + " 秒，得分就是你赢到的积分。"]
                Text {
                    required property string modelData
                    width: parent.width
                    text: modelData
                    wrapMode: Text.Wrap
                    font.family: Theme.font
                    font.pixelSize: 20
                    font.bold: true
                    color: Theme.ink
                }
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 4
            spacing: 18
            Obstacle {
                kind: 0
                anchors.bottom: parent.bottom
            }
            Obstacle {
                kind: 1
                anchors.bottom: parent.bottom
            }
            Obstacle {
                kind: 2
                anchors.bottom: parent.bottom
            }
            Repeater {
                model: 5
                Fruit {
                    required property int index
                    kind: index
                    anchors.bottom: parent.bottom
                }
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: card.y + card.height + 18
        spacing: 24
        GameButton {
            width: 180
            height: 60
            text: "开始"
            color: Theme.go
            onClicked: intro.start()
        }
        GameButton {
            width: 180
            height: 60
            text: "回到地图"
            color: Theme.sky
            onClicked: intro.leave()
        }
    }
}
