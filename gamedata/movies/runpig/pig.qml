// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The mini-game "小猪快跑", played in level 1 over the map: the pig runs for forty
// seconds, jumps over rocks, fences and stumps and eats fruit. Fruit is worth points, a
// bump costs three; the net result goes to the host as PigWin or PigLose.
Clip {
    id: root

    readonly property int roundSeconds: 40
    readonly property int bumpCost: 3
    readonly property real groundY: height - 74
    readonly property real pigX: 96
    readonly property real gravity: 1800
    readonly property real jumpSpeed: 640

    property string phase: "intro"
    property int countdown: 3
    property real distance: 0
    property real speed: 220
    property real timeLeft: roundSeconds
    property int fruitPoints: 0
    property int fruitCount: 0
    property int bumps: 0
    readonly property int net: fruitPoints - bumps * bumpCost
    property real pigHeight: 0
    property real pigRise: 0
    property real shield: 0
    property real jumpWanted: 0
    property real untilNextObstacle: 400
    property int nextFruit: 0
    property int nextPop: 0
    property real lastTick: 0

    function start() {
        if (phase !== "intro")
            return;
        phase = "countdown";
        countdown = 3;
        countdownTimer.restart();
    }

    function jump() {
        if (phase !== "play")
            return;
        if (pigHeight <= 0)
            pigRise = jumpSpeed;
        else
            jumpWanted = 0.15;
    }

    function finish() {
        phase = "over";
        if (net > 0)
            Movie.fscommand("PigWin", String(net));
        else
            Movie.fscommand("PigLose", String(-net));
    }

    function leave() {
        Movie.fscommand("exits", "");
        Movie.unload();
    }

    function placeFruit(x, height, kind) {
        const fruit = fruits.itemAt(nextFruit);
        nextFruit = (nextFruit + 1) % fruits.count;
        fruit.kind = kind;
        fruit.x = x;
        fruit.y = groundY - height - fruit.height;
        fruit.active = true;
    }

    // Each obstacle comes with fruit over it for a good jump, and often a pair on the grass
    // before the next one; now and then a golden star high up.
    function spawnObstacle() {
        let obstacle = null;
        for (let i = 0; i < obstacles.count && !obstacle; ++i) {
            if (!obstacles.itemAt(i).active)
                obstacle = obstacles.itemAt(i);
        }
        if (!obstacle)
            return;
        obstacle.kind = Math.floor(Math.random() * 3);
        obstacle.x = width + 20;
        obstacle.hit = false;
        obstacle.active = true;
        const middle = obstacle.x + obstacle.width / 2 - 17;
        const kind = Math.floor(Math.random() * 4);
        placeFruit(middle, 108, kind);
        if (Math.random() < 0.5) {
            placeFruit(middle - 62, 70, kind);
            placeFruit(middle + 62, 70, kind);
        }
        const gap = speed * (1.3 + Math.random() * 1.2);
        if (Math.random() < 0.5) {
            placeFruit(obstacle.x + gap * 0.5 - 20, 4, (kind + 1) % 4);
            placeFruit(obstacle.x + gap * 0.5 + 20, 4, (kind + 1) % 4);
        } else if (Math.random() < 0.3) {
            placeFruit(obstacle.x + gap * 0.55, 128, 4);
        }
        untilNextObstacle = gap;
    }

    function popText(x, y, text, color) {
        const pop = pops.itemAt(nextPop);
        nextPop = (nextPop + 1) % pops.count;
        pop.show(x, y, text, color);
    }

    function overlaps(ax, ay, aw, ah, bx, by, bw, bh) {
        return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
    }

    function step() {
        const now = Date.now();
        const dt = Math.min(0.05, (now - lastTick) / 1000);
        lastTick = now;
        timeLeft = Math.max(0, timeLeft - dt);
        speed = 220 + 170 * (1 - timeLeft / roundSeconds);
        const dx = speed * dt;
        distance += dx;
        shield = Math.max(0, shield - dt);
        jumpWanted = Math.max(0, jumpWanted - dt);

        if (pigHeight > 0 || pigRise > 0) {
            pigHeight += pigRise * dt;
            pigRise -= gravity * dt;
            if (pigHeight <= 0) {
                pigHeight = 0;
                pigRise = jumpWanted > 0 ? jumpSpeed : 0;
                jumpWanted = 0;
            }
        }

        const pigLeft = pigX + 12;
        const pigTop = groundY - pigHeight - 56;
        for (let i = 0; i < obstacles.count; ++i) {
            const o = obstacles.itemAt(i);
            if (!o.active)
                continue;
            o.x -= dx;
            if (o.x < -80)
                o.active = false;
            else if (!o.hit && shield <= 0 && overlaps(pigLeft, pigTop, 60, 54, o.x + 6, groundY - o.height + 6, o.width - 12, o.height - 6)) {
                o.hit = true;
                bumps += 1;
                shield = 1.2;
                popText(pigX + 30, pigTop - 10, "哎哟 -" + bumpCost, "#e53935");
            }
        }
        for (let j = 0; j < fruits.count; ++j) {
            const f = fruits.itemAt(j);
            if (!f.active)
                continue;
            f.x -= dx;
            if (f.x < -40) {
                f.active = false;
            } else if (overlaps(pigLeft, pigTop, 66, 56, f.x + 4, f.y + 4, 26, 26)) {
                f.active = false;
                const value = f.kind === 4 ? 5 : 1;
                fruitPoints += value;
                fruitCount += 1;
                popText(f.x, f.y - 8, "+" + value, "#2e7d32");
            }
        }

        untilNextObstacle -= dx;
        if (untilNextObstacle <= 0 && timeLeft > 2)
            spawnObstacle();
        if (timeLeft <= 0)
            finish();
    }

    width: 620
    height: 470
    focus: true
    // The meadow covers the map under it, which therefore need not be drawn meanwhile.
    opaque: true

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Up) {
            if (phase === "intro")
                start();
            else
                jump();
            event.accepted = true;
        } else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && phase === "intro") {
            start();
            event.accepted = true;
        }
    }

    Component.onCompleted: forceActiveFocus()

    Timer {
        interval: 16
        repeat: true
        running: root.phase === "play"
        onRunningChanged: root.lastTick = Date.now()
        onTriggered: root.step()
    }

    Timer {
        id: countdownTimer
        interval: 700
        repeat: true
        onTriggered: {
            root.countdown -= 1;
            if (root.countdown < 0) {
                stop();
                root.phase = "play";
            }
        }
    }

    Countryside {
        anchors.fill: parent
        distance: root.distance
        groundY: root.groundY
    }

    MouseArea {
        anchors.fill: parent
        onPressed: root.jump()
    }

    Repeater {
        id: obstacles
        model: 5
        Obstacle {
            property bool active: false
            property bool hit: false
            visible: active
            y: root.groundY - height + (hit ? 6 : 0)
            rotation: hit ? -14 : 0
        }
    }

    Repeater {
        id: fruits
        model: 24
        Fruit {
            property bool active: false
            visible: active
        }
    }

    Rectangle {
        x: root.pigX + 10 + root.pigHeight * 0.08
        y: root.groundY - 6
        width: 64 - root.pigHeight * 0.16
        height: 10
        radius: 5
        color: "#40000000"
    }

    Pig {
        x: root.pigX
        y: root.groundY - height + 2 - root.pigHeight
        running: root.phase === "play"
        airborne: root.pigHeight > 0
        hurt: root.shield > 0
        rotation: root.pigHeight > 0 ? Math.max(-18, Math.min(14, -root.pigRise / 40)) : 0
    }

    Repeater {
        id: pops
        model: 5
        Text {
            id: pop
            function show(px, py, words, tint) {
                x = px;
                y = py;
                text = words;
                color = tint;
                rise.restart();
            }
            visible: rise.running
            font.family: Theme.font
            font.pixelSize: 24
            font.bold: true
            style: Text.Outline
            styleColor: Theme.white
            ParallelAnimation {
                id: rise
                NumberAnimation {
                    target: pop
                    property: "y"
                    to: pop.y - 50
                    duration: 800
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    target: pop
                    property: "opacity"
                    from: 1
                    to: 0
                    duration: 800
                    easing.type: Easing.InQuad
                }
            }
        }
    }

    PigHud {
        anchors.left: parent.left
        anchors.right: parent.right
        visible: root.phase !== "intro"
        points: root.net
        secondsLeft: Math.ceil(root.timeLeft)
        fraction: root.timeLeft / root.roundSeconds
        onLeave: root.leave()
    }

    Text {
        anchors.centerIn: parent
        visible: root.phase === "countdown"
        text: root.countdown > 0 ? String(root.countdown) : "跑！"
        font.family: Theme.font
        font.pixelSize: 110
        font.bold: true
        color: Theme.sun
        style: Text.Outline
        styleColor: Theme.coral
        scale: 1
        onTextChanged: countPop.restart()
        NumberAnimation on scale {
            id: countPop
            from: 1.6
            to: 1
            duration: 400
            easing.type: Easing.OutBack
        }
    }

    PigIntro {
        anchors.fill: parent
        visible: root.phase === "intro"
        seconds: root.roundSeconds
        bumpCost: root.bumpCost
        onStart: root.start()
        onLeave: root.leave()
    }

    PigResult {
        anchors.fill: parent
        visible: root.phase === "over"
        fruitCount: root.fruitCount
        fruitPoints: root.fruitPoints
        bumps: root.bumps
        bumpCost: root.bumpCost
        net: root.net
        onLeave: root.leave()
    }
}
