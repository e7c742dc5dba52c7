// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A two-player quiz battle at one keyboard. The host serves one question per "Request";
// both players race to answer it, the first right answer scores 10, a wrong answer hands
// the question to the other player. After `limit` questions the winner is crowned. The
// scenery of each arena goes in as children; `host` is the movie's root clip.
FocusScope {
    id: arena

    required property Item host
    property string arenaName
    property color leftTint: Theme.coral
    property color rightTint: Theme.sky
    default property alias scenery: backdrop.data

    readonly property int questionSeconds: 20
    readonly property string leftName: nameOr(host.vars.name, "玩家一")
    readonly property string rightName: nameOr(host.vars.NameRight, "玩家二")
    readonly property var leftAvatar: host.vars.imageleft ?? "1"
    readonly property var rightAvatar: host.vars.imageright ?? "1"
    readonly property int limit: limitOf(host.vars.limit)
    readonly property var letters: ["A", "B", "C", "D"]

    property string phase: "intro"
    property int countdown: 3
    property int asked: 0
    property string question
    property var answers: ["", "", "", ""]
    property int rightIndex: -1
    property int difficulty: 1
    property int leftScore: 0
    property int rightScore: 0
    property int leftPick: -1
    property int rightPick: -1
    property int scorer: -1
    property real timeLeft: questionSeconds
    property bool leaving: false

    signal command(string name, string args)

    function nameOr(value, fallback) {
        const text = value === undefined || value === null ? "" : String(value).trim();
        return text.length > 0 ? text : fallback;
    }

    // The host's list offers 10 to 50 questions; anything that is not a sensible count
    // falls back to the first choice.
    function limitOf(value) {
        const count = parseInt(textOf(value), 10);
        return count >= 1 ? Math.min(99, count) : 10;
    }

    function textOf(value) {
        return value === undefined || value === null ? "" : String(value);
    }

    function nameOf(side) {
        return side === 0 ? leftName : rightName;
    }

    function begin() {
        forceActiveFocus();
        countdownTimer.start();
    }

    function request() {
        phase = "waiting";
        command("Request", "");
    }

    // Called when the host has set the whole question; a snapshot keeps the cards steady.
    function showQuestion() {
        if (phase !== "waiting")
            return;
        const vars = host.vars;
        question = textOf(vars.Qstn);
        answers = [textOf(vars.answ1), textOf(vars.answ2), textOf(vars.answ3), textOf(vars.answ4)];
        rightIndex = letters.indexOf(textOf(vars.Ranswer).trim().toUpperCase());
        difficulty = Math.max(1, Math.min(3, parseInt(textOf(vars.QAflag), 10) || 1));
        leftPick = -1;
        rightPick = -1;
        scorer = -1;
        asked += 1;
        timeLeft = questionSeconds;
        phase = "asking";
        cardsIn.restart();
    }

    function answer(side, index) {
        if (phase !== "asking" || (side === 0 ? leftPick : rightPick) >= 0)
            return;
        if (side === 0)
            leftPick = index;
        else
            rightPick = index;
        const player = side === 0 ? leftPlayer : rightPlayer;
        if (index === rightIndex) {
            scorer = side;
            if (side === 0)
                leftScore += 10;
            else
                rightScore += 10;
            player.cheer();
            reveal();
        } else {
            player.oops();
            if (leftPick >= 0 && rightPick >= 0)
                reveal();
            else
                timeLeft = Math.max(timeLeft, 6);
        }
    }

    function reveal() {
        phase = "revealed";
        nextTimer.restart();
    }

    function next() {
        if (asked >= limit)
            phase = "over";
        else
            request();
    }

    function leave(commandName) {
        if (leaving)
            return;
        leaving = true;
        command(commandName, "");
    }

    function cardMark(index) {
        const pickedWrong = index !== rightIndex && (index === leftPick || index === rightPick);
        if (phase === "asking")
            return pickedWrong ? "wrong" : "idle";
        if (phase !== "revealed")
            return "idle";
        if (index === rightIndex)
            return scorer >= 0 ? "right" : "reveal";
        return pickedWrong ? "wrong" : "dim";
    }

    function cardTag(index) {
        const tags = [];
        if (index === leftPick)
            tags.push(leftName);
        if (index === rightPick)
            tags.push(rightName);
        return tags.join(" · ");
    }

    function statusOf(side) {
        const pick = side === 0 ? leftPick : rightPick;
        if (phase === "asking")
            return pick >= 0 ? "答错了，等一等" : "快抢答！";
        if (phase === "revealed")
            return scorer === side ? "答对了！" : pick >= 0 ? "答错了" : "";
        return "";
    }

    function message() {
        const answerText = rightIndex >= 0 ? "正确答案是 " + letters[rightIndex] : "";
        if (phase === "waiting")
            return asked === 0 ? "准备好了吗？第一题马上来！" : "下一题马上来！";
        if (phase === "asking") {
            if (leftPick >= 0)
                return leftName + " 答错了，" + rightName + " 来答！";
            if (rightPick >= 0)
                return rightName + " 答错了，" + leftName + " 来答！";
            return "抢答开始！谁先按键谁先答";
        }
        if (phase === "revealed") {
            if (scorer >= 0)
                return nameOf(scorer) + " 答对了！+10";
            if (leftPick >= 0 && rightPick >= 0)
                return "都答错了！" + answerText;
            return "时间到！" + answerText;
        }
        return "";
    }

    focus: true
    Keys.onPressed: event => {
        const leftKeys = [Qt.Key_A, Qt.Key_S, Qt.Key_D, Qt.Key_F];
        const rightKeys = [Qt.Key_J, Qt.Key_K, Qt.Key_L, Qt.Key_Semicolon];
        const arrowKeys = [Qt.Key_Left, Qt.Key_Up, Qt.Key_Down, Qt.Key_Right];
        if (leftKeys.indexOf(event.key) >= 0)
            answer(0, leftKeys.indexOf(event.key));
        else if (rightKeys.indexOf(event.key) >= 0)
            answer(1, rightKeys.indexOf(event.key));
        else if (arrowKeys.indexOf(event.key) >= 0)
            answer(1, arrowKeys.indexOf(event.key));
        else
            return;
        event.accepted = true;
    }

    Timer {
        id: countdownTimer
        interval: 800
        repeat: true
        onTriggered: {
            arena.countdown -= 1;
            if (arena.countdown < 0) {
                stop();
                arena.request();
            }
        }
    }

    Timer {
        interval: 100
        repeat: true
        running: arena.phase === "asking"
        onTriggered: {
            arena.timeLeft = Math.max(0, arena.timeLeft - 0.1);
            if (arena.timeLeft <= 0)
                arena.reveal();
        }
    }

    Timer {
        id: nextTimer
        interval: 2600
        onTriggered: arena.next()
    }

    Item {
        id: backdrop
        anchors.fill: parent
    }

    ArenaTopBar {
        x: 10
        y: 8
        width: arena.width - 20
        arenaName: arena.arenaName
        asked: arena.asked
        limit: arena.limit
        onFinish: arena.leave("exits")
    }

    ArenaPlayer {
        id: leftPlayer
        x: 10
        y: 70
        width: 184
        height: 360
        name: arena.leftName
        avatar: arena.leftAvatar
        score: arena.leftScore
        tint: arena.leftTint
        keys: ["A", "S", "D", "F"]
        status: arena.statusOf(0)
    }

    ArenaPlayer {
        id: rightPlayer
        x: arena.width - width - 10
        y: 70
        width: 184
        height: 360
        name: arena.rightName
        avatar: arena.rightAvatar
        score: arena.rightScore
        tint: arena.rightTint
        keys: ["J", "K", "L", ";"]
        moreKeys: "也可以用 ← ↑ ↓ →"
        status: arena.statusOf(1)
    }

    ArenaBoard {
        id: board
        x: 206
        y: 66
        width: 388
        height: 400
        arena: arena
    }

    NumberAnimation {
        id: cardsIn
        target: board
        property: "scale"
        from: 0.9
        to: 1
        duration: 300
        easing.type: Easing.OutBack
    }

    // An opaque square under the message bar, hidden by it, so the forest behind is not
    // redrawn there.
    Backing {
        panel: messageBar
        inset: 12
    }

    SeamCover {
        target: messageBar
    }

    Rectangle {
        id: messageBar
        anchors.horizontalCenter: parent.horizontalCenter
        y: 478
        width: 560
        height: 54
        radius: 27
        visible: arena.phase === "waiting" || arena.phase === "asking" || arena.phase === "revealed"
        color: arena.phase === "revealed" && arena.scorer >= 0 ? "#e8f5e9" : Theme.paper
        border.color: arena.phase === "revealed" && arena.scorer >= 0 ? "#43a047" : Theme.wood
        border.width: 4
        Text {
            anchors.fill: parent
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: arena.message()
            textFormat: Text.PlainText
            fontSizeMode: Text.Fit
            minimumPixelSize: 14
            font.family: Theme.font
            font.pixelSize: 26
            font.bold: true
            color: Theme.ink
        }
    }

    ArenaIntro {
        anchors.fill: parent
        visible: arena.phase === "intro"
        leftName: arena.leftName
        rightName: arena.rightName
        leftAvatar: arena.leftAvatar
        rightAvatar: arena.rightAvatar
        leftTint: arena.leftTint
        rightTint: arena.rightTint
        limit: arena.limit
        countdown: arena.countdown
    }

    ArenaResult {
        anchors.fill: parent
        visible: arena.phase === "over"
        leftName: arena.leftName
        rightName: arena.rightName
        leftAvatar: arena.leftAvatar
        rightAvatar: arena.rightAvatar
        leftScore: arena.leftScore
        rightScore: arena.rightScore
        leftTint: arena.leftTint
        rightTint: arena.rightTint
        onAgain: arena.leave("exits")
        onLeave: arena.leave("fightUplevel")
    }
}
