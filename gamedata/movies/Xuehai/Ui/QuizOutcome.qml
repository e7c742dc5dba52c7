// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// What a child sees after answering: a big cheer with confetti and +10 for a right
// answer, a gentle -5 and the right answer for a wrong one; the banner stays at the
// bottom until the next question.
Item {
    id: outcome

    property string rightLetter
    property string rightText
    property bool success: false
    property bool shown: false

    function show(isRight) {
        success = isRight;
        shown = true;
        pop.restart();
        if (isRight)
            confetti.burst();
    }

    function hide() {
        shown = false;
    }

    Confetti {
        id: confetti
        anchors.fill: parent
    }

    Item {
        id: badge
        anchors.centerIn: parent
        width: 230
        height: 230
        opacity: 0
        scale: 0

        Rectangle {
            anchors.centerIn: parent
            width: 200
            height: 200
            radius: 100
            rotation: 45
            color: outcome.success ? Theme.sun : "#90caf9"
            border.color: outcome.success ? Theme.sunDeep : Theme.sea
            border.width: 6
            RotationAnimation on rotation {
                running: badge.opacity > 0
                from: 0
                to: 360
                duration: 6000
                loops: Animation.Infinite
            }
            Repeater {
                model: 8
                Rectangle {
                    required property int index
                    x: 100 - width / 2 + Math.cos(index * Math.PI / 4) * 104
                    y: 100 - height / 2 + Math.sin(index * Math.PI / 4) * 104
                    width: 22
                    height: 22
                    radius: 11
                    color: outcome.success ? Theme.sunDeep : Theme.sea
                }
            }
        }

        Column {
            anchors.centerIn: parent
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: outcome.success ? "太棒了！" : "别灰心！"
                font.family: Theme.brush
                font.pixelSize: 34
                font.bold: true
                color: Theme.ink
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: outcome.success ? "+10" : "-5"
                font.family: Theme.font
                font.pixelSize: 60
                font.bold: true
                color: outcome.success ? "#2e7d32" : "#c62828"
                style: Text.Outline
                styleColor: Theme.white
            }
        }
    }

    SequentialAnimation {
        id: pop
        ParallelAnimation {
            NumberAnimation {
                target: badge
                property: "scale"
                from: 0.2
                to: 1
                duration: 420
                easing.type: Easing.OutBack
            }
            NumberAnimation {
                target: badge
                property: "opacity"
                from: 0
                to: 1
                duration: 200
            }
        }
        PauseAnimation {
            duration: outcome.success ? 900 : 700
        }
        ParallelAnimation {
            NumberAnimation {
                target: badge
                property: "scale"
                to: 0.3
                duration: 300
                easing.type: Easing.InBack
            }
            NumberAnimation {
                target: badge
                property: "opacity"
                to: 0
                duration: 300
            }
        }
    }

    Rectangle {
        visible: outcome.shown
        x: 14
        y: outcome.height - 60
        width: outcome.width - 200
        height: 48
        radius: 24
        color: outcome.success ? "#e8f5e9" : "#fff3e0"
        border.color: outcome.success ? "#43a047" : Theme.sunDeep
        border.width: 3
        Text {
            anchors.fill: parent
            anchors.leftMargin: 16
            anchors.rightMargin: 16
            verticalAlignment: Text.AlignVCenter
            text: outcome.success ? "答对啦！积分 +10" : "正确答案是 " + outcome.rightLetter + "：" + outcome.rightText
            textFormat: Text.PlainText
            elide: Text.ElideRight
            fontSizeMode: Text.Fit
            minimumPixelSize: 14
            font.family: Theme.font
            font.pixelSize: 21
            font.bold: true
            color: Theme.ink
        }
    }
}
