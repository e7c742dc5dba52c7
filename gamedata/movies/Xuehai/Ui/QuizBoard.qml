// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The subject quiz screen: one question with four answer cards, judged against the right
// letter the host gave, with a cheer or the right answer shown, and a tally of this visit.
// It raises its commands through command() and leaves the host's variables to `host`,
// the movie's root clip.
FocusScope {
    id: board

    required property Item host
    property string subjectCode
    property string subjectName
    property string phase: "waiting"
    property string question
    property var answers: ["", "", "", ""]
    property int rightIndex: -1
    property int picked: -1
    property int difficulty: 1
    property int rightCount: 0
    property int wrongCount: 0
    property int asked: 0
    readonly property var letters: ["A", "B", "C", "D"]
    readonly property color accent: [Theme.coral, Theme.sky, Theme.grape, Theme.calm, Theme.berry, Theme.go, "#5c6bc0", Theme.grassDeep][Math.abs(parseInt(subjectCode, 10) || 0) % 8]

    signal command(string name, string args)
    signal leave

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function request() {
        phase = "waiting";
        picked = -1;
        outcome.hide();
        command("Request", "");
    }

    // Called when the host has set the whole question; a snapshot keeps the cards steady.
    function showQuestion() {
        const vars = host.vars;
        question = textOf(vars.Qstn);
        answers = [textOf(vars.answ1), textOf(vars.answ2), textOf(vars.answ3), textOf(vars.answ4)];
        rightIndex = letters.indexOf(textOf(vars.Ranswer).trim().toUpperCase());
        difficulty = Math.max(1, Math.min(3, parseInt(textOf(vars.QAflag), 10) || 1));
        picked = -1;
        asked += 1;
        phase = "asking";
        cardsIn.restart();
    }

    function pick(index) {
        if (phase !== "asking")
            return;
        picked = index;
        phase = "judged";
        const right = index === rightIndex;
        if (right)
            rightCount += 1;
        else
            wrongCount += 1;
        command(right ? "right" : "wrong", "");
        outcome.show(right);
    }

    function markOf(index) {
        if (phase !== "judged")
            return "idle";
        if (index === picked)
            return index === rightIndex ? "right" : "wrong";
        return index === rightIndex ? "reveal" : "dim";
    }

    focus: true
    Keys.onPressed: event => {
        const digit = event.key - Qt.Key_1;
        const letter = event.key - Qt.Key_A;
        if (digit >= 0 && digit < 4)
            pick(digit);
        else if (letter >= 0 && letter < 4)
            pick(letter);
        else if (phase === "judged" && (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space))
            request();
        else
            return;
        event.accepted = true;
    }

    SeaScenery {
        anchors.fill: parent
        tint: board.accent
        seaTop: board.height - 72
    }

    QuizTopBar {
        x: 12
        y: 8
        width: board.width - 24
        accent: board.accent
        subjectName: board.subjectName
        difficulty: board.difficulty
        showDifficulty: board.phase !== "waiting"
        rightCount: board.rightCount
        wrongCount: board.wrongCount
        onLeave: board.leave()
    }

    Panel {
        id: questionPanel
        x: 14
        y: 66
        width: board.width - 28
        height: 128

        Text {
            anchors.fill: parent
            anchors.margins: 4
            visible: board.phase !== "waiting"
            text: board.question
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

        WaitingDots {
            anchors.centerIn: parent
            visible: board.phase === "waiting"
            text: "正在出题"
        }

        Rectangle {
            visible: board.phase !== "waiting"
            x: -4
            y: -4
            width: numberText.implicitWidth + 16
            height: 26
            radius: 13
            color: board.accent
            Text {
                id: numberText
                anchors.centerIn: parent
                text: "第 " + board.asked + " 题"
                font.family: Theme.font
                font.pixelSize: 15
                font.bold: true
                color: Theme.white
            }
        }
    }

    Grid {
        id: cards
        x: 14
        y: 208
        columns: 2
        spacing: 12
        opacity: board.phase === "waiting" ? 0 : 1

        Repeater {
            id: cardRepeater
            model: 4

            AnswerCard {
                required property int index

                width: (board.width - 28 - cards.spacing) / 2
                height: 84
                letter: board.letters[index]
                text: board.answers[index]
                accent: board.accent
                mark: board.markOf(index)
                active: board.phase === "asking"
                keyRight: String(index + 1)
                keyRightTint: Qt.darker(board.accent, 1.4)
                onPicked: board.pick(index)
            }
        }
    }

    SequentialAnimation {
        id: cardsIn
        NumberAnimation {
            target: cards
            property: "scale"
            from: 0.85
            to: 1
            duration: 320
            easing.type: Easing.OutBack
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: board.height - 50
        visible: board.phase === "asking"
        text: "点一点答案，或按数字键 1–4、字母键 A–D"
        font.family: Theme.font
        font.pixelSize: 18
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.seaDeep
    }

    QuizOutcome {
        id: outcome
        anchors.fill: parent
        rightLetter: board.rightIndex >= 0 ? board.letters[board.rightIndex] : ""
        rightText: board.rightIndex >= 0 ? board.answers[board.rightIndex] : ""
    }

    GameButton {
        x: board.width - width - 16
        y: board.height - height - 8
        width: 150
        height: 54
        fontSize: 24
        visible: board.phase === "judged"
        text: "下一题 ➜"
        color: Theme.go
        onClicked: board.request()
    }
}
