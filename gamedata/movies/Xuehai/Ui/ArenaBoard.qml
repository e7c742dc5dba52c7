// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The middle of the battle: the question with its difficulty, the four answers with
// both players' keys on them, and the time left to answer.
Item {
    id: board

    required property Item arena
    readonly property bool showing: arena.phase === "asking" || arena.phase === "revealed"

    // Opaque squares under the question and the clock, hidden by them, so the forest
    // moving behind is not redrawn there.
    Backing {
        panel: questionPanel
        inset: 12
    }
    Backing {
        panel: clock
        inset: 8
    }

    Panel {
        id: questionPanel
        width: board.width
        height: 150

        Text {
            anchors.fill: parent
            anchors.margins: 4
            anchors.topMargin: 14
            visible: board.showing
            text: board.arena.question
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 14
            font.pixelSize: 26
            font.family: Theme.font
            font.bold: true
            color: Theme.ink
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        Stars {
            visible: board.showing
            anchors.right: parent.right
            y: -6
            size: 20
            count: board.arena.difficulty
        }

        WaitingDots {
            anchors.centerIn: parent
            visible: board.arena.phase === "waiting"
            text: "正在出题"
        }
    }

    Grid {
        y: questionPanel.height + 18
        columns: 2
        columnSpacing: 24
        rowSpacing: 12
        opacity: board.showing ? 1 : 0

        Repeater {
            model: 4

            AnswerCard {
                required property int index

                width: (board.width - 24) / 2
                height: 86
                letter: board.arena.letters[index]
                text: board.arena.answers[index]
                accent: Theme.grape
                mark: board.arena.cardMark(index)
                active: false
                keyLeft: ["A", "S", "D", "F"][index]
                keyLeftTint: Qt.darker(board.arena.leftTint, 1.2)
                keyRight: ["J", "K", "L", ";"][index]
                keyRightTint: Qt.darker(board.arena.rightTint, 1.2)
                tag: board.arena.cardTag(index)
                tagTint: index === board.arena.leftPick ? board.arena.leftTint : board.arena.rightTint
            }
        }
    }

    SeamCover {
        target: clock
    }

    Rectangle {
        id: clock
        y: questionPanel.height + 18 + 2 * 86 + 12 + 14
        width: board.width
        height: 30
        radius: 15
        visible: board.showing
        color: Theme.paper
        border.color: Theme.wood
        border.width: 3

        Rectangle {
            x: 4
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(height, (parent.width - 8) * board.arena.timeLeft / board.arena.questionSeconds)
            height: parent.height - 8
            radius: height / 2
            color: board.arena.timeLeft <= 5 ? Theme.coral : Theme.grass
        }
        Text {
            anchors.centerIn: parent
            text: "还剩 " + Math.ceil(board.arena.timeLeft) + " 秒"
            font.family: Theme.font
            font.pixelSize: 17
            font.bold: true
            color: Theme.ink
        }
    }
}
