// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// A character test, played in level 1 over the hidden map: the host hands out one item
// at a time, the movie adds up the points of the chosen options in its variable Score,
// and at the end the host writes the evaluation into "judge" and shows Mcjudge.
Clip {
    id: root

    property string phase: "waiting"
    property string question
    property var options: ["", "", ""]
    property var points: [0, 0, 0]
    property int chosen: -1
    property string chosenText
    property int asked: 0
    readonly property var letters: ["A", "B", "C"]

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function nextItem() {
        phase = "waiting";
        chosen = -1;
        Movie.fscommand("QRequest", "");
    }

    function showItem() {
        question = textOf(vars.Qstn);
        options = [textOf(vars.answ1), textOf(vars.answ2), textOf(vars.answ3)];
        points = [parseInt(textOf(vars.rsa), 10) || 0, parseInt(textOf(vars.rsb), 10) || 0, parseInt(textOf(vars.rsc), 10) || 0];
        asked += 1;
        phase = "asking";
        optionsIn.restart();
    }

    function choose(index) {
        if (phase !== "asking")
            return;
        phase = "chosen";
        chosen = index;
        chosenText = options[index];
        const total = (parseInt(textOf(vars.Score), 10) || 0) + points[index];
        Movie.setVariable("_root.Score", String(total));
        Movie.fscommand(letters[index], "");
        pause.restart();
    }

    function restart() {
        judge.visible = false;
        asked = 0;
        Movie.setVariable("_root.Score", "0");
        nextItem();
    }

    function leave() {
        Movie.fscommand("exits", "");
        Movie.unload();
    }

    width: 620
    height: 470
    focus: true

    onVariableSet: name => {
        if (name === "rs")
            chosenText = textOf(vars.rs);
    }

    Keys.onPressed: event => {
        const digit = event.key - Qt.Key_1;
        const letter = event.key - Qt.Key_A;
        if (digit >= 0 && digit < 3)
            choose(digit);
        else if (letter >= 0 && letter < 3)
            choose(letter);
        else
            return;
        event.accepted = true;
    }

    Component.onCompleted: {
        forceActiveFocus();
        Movie.setVariable("_root.Score", "0");
        Movie.fscommand("QRequest", "");
    }

    // The choice stays on screen for a moment before the next item is asked for.
    Timer {
        id: pause
        interval: 1300
        onTriggered: root.nextItem()
    }

    SeaScenery {
        anchors.fill: parent
        tint: Theme.grape
        seaTop: root.height - 66
    }

    Row {
        x: 14
        y: 8
        spacing: 10

        Rectangle {
            width: 50
            height: 50
            radius: 25
            color: Theme.grape
            border.color: Theme.white
            border.width: 3
            Text {
                anchors.centerIn: parent
                text: "❤"
                font.family: Theme.font
                font.pixelSize: 26
                color: Theme.white
            }
            SequentialAnimation on scale {
                loops: Animation.Infinite
                NumberAnimation {
                    to: 1.12
                    duration: 300
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    to: 1
                    duration: 500
                    easing.type: Easing.InOutQuad
                }
                PauseAnimation {
                    duration: 700
                }
            }
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "性格小测验"
            font.family: Theme.brush
            font.pixelSize: 34
            font.bold: true
            color: Theme.white
            style: Text.Outline
            styleColor: Qt.darker(Theme.grape, 1.6)
        }
    }

    GameButton {
        x: root.width - width - 12
        y: 10
        width: 100
        height: 46
        fontSize: 21
        text: "离开"
        color: Theme.leave
        onClicked: root.leave()
    }

    Panel {
        x: 14
        y: 68
        width: root.width - 28
        height: 118
        ribbon: Theme.grape

        Text {
            anchors.fill: parent
            anchors.margins: 4
            visible: root.phase !== "waiting"
            text: root.question
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
            visible: root.phase === "waiting"
            text: "请稍等"
        }

        Rectangle {
            visible: root.asked > 0
            x: -4
            y: -4
            width: numberText.implicitWidth + 16
            height: 26
            radius: 13
            color: Theme.grape
            Text {
                id: numberText
                anchors.centerIn: parent
                text: "第 " + root.asked + " 题"
                font.family: Theme.font
                font.pixelSize: 15
                font.bold: true
                color: Theme.white
            }
        }
    }

    Column {
        id: optionColumn
        x: 14
        y: 198
        spacing: 10
        opacity: root.phase === "waiting" ? 0 : 1

        Repeater {
            model: 3

            AnswerCard {
                required property int index

                width: root.width - 28
                height: 62
                letter: root.letters[index]
                text: root.options[index]
                accent: [Theme.coral, Theme.calm, Theme.sky][index]
                mark: root.chosen < 0 ? "idle" : index === root.chosen ? "right" : "dim"
                active: root.phase === "asking"
                keyRight: String(index + 1)
                keyRightTint: Theme.grape
                onPicked: root.choose(index)
            }
        }
    }

    NumberAnimation {
        id: optionsIn
        target: optionColumn
        property: "scale"
        from: 0.9
        to: 1
        duration: 300
        easing.type: Easing.OutBack
    }

    Rectangle {
        id: choiceBubble
        anchors.horizontalCenter: parent.horizontalCenter
        y: root.height - 58
        width: Math.min(root.width - 28, choiceText.implicitWidth + 40)
        height: 46
        radius: 23
        visible: root.phase === "chosen"
        color: "#f3e5f5"
        border.color: Theme.grape
        border.width: 3
        scale: visible ? 1 : 0.6
        Behavior on scale {
            NumberAnimation {
                duration: 260
                easing.type: Easing.OutBack
            }
        }
        Text {
            id: choiceText
            anchors.fill: parent
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignHCenter
            text: "你选择了：" + root.chosenText
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.family: Theme.font
            font.pixelSize: 21
            font.bold: true
            color: Theme.ink
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        y: root.height - 48
        visible: root.phase === "asking"
        text: "选一个最像你的答案（也可以按 1–3 键）"
        font.family: Theme.font
        font.pixelSize: 18
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.seaDeep
    }

    Clip {
        objectName: "Init"
        onVariableSet: name => {
            if (name === "complete")
                root.showItem();
        }
    }

    Clip {
        id: judge
        objectName: "Mcjudge"
        anchors.fill: parent
        visible: false

        onVisibleChanged: {
            if (visible) {
                root.phase = "done";
                verdict.show();
            }
        }

        TestVerdict {
            id: verdict
            anchors.fill: parent
            score: root.vars.Score ?? "0"
            judgement: root.vars.judge ?? ""
            onAgain: root.restart()
            onLeave: root.leave()
        }
    }
}
