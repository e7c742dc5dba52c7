// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The end of a character test: the total and the host's evaluation on a card, with a
// shower of confetti, and the ways on.
Item {
    id: verdict

    property string score
    property string judgement

    signal again
    signal leave

    function show() {
        judgeIn.restart();
        confetti.burst();
    }

    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        anchors.fill: parent
        color: "#99311b4b"
    }

    Panel {
        id: judgeCard
        anchors.horizontalCenter: parent.horizontalCenter
        y: 46
        width: 540
        height: 330
        title: "测试结果"
        ribbon: Theme.grape

        Text {
            id: scoreText
            anchors.horizontalCenter: parent.horizontalCenter
            y: 4
            text: "你的得分：" + verdict.score
            textFormat: Text.PlainText
            font.family: Theme.font
            font.pixelSize: 22
            font.bold: true
            color: Theme.grape
        }

        Text {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: scoreText.bottom
            anchors.bottom: parent.bottom
            anchors.margins: 10
            text: verdict.judgement
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 14
            font.pixelSize: 26
            font.family: Theme.font
            font.bold: true
            color: Theme.ink
            lineHeight: 1.2
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: judgeCard.y + judgeCard.height + 16
        spacing: 24

        GameButton {
            width: 170
            height: 56
            text: "再测一次"
            color: Theme.calm
            onClicked: verdict.again()
        }

        GameButton {
            width: 170
            height: 56
            text: "回到地图"
            color: Theme.go
            onClicked: verdict.leave()
        }
    }

    Confetti {
        id: confetti
        anchors.fill: parent
    }

    NumberAnimation {
        id: judgeIn
        target: judgeCard
        property: "scale"
        from: 0.5
        to: 1
        duration: 450
        easing.type: Easing.OutBack
    }
}
