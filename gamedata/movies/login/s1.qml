// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The login hub on the beach. The start page offers one player, two players and
// leaving; the one-player page frames the host's name box and lists, which lie on top
// of this movie at fixed stage positions, and shows the chosen avatar large.
Clip {
    id: root

    width: 792
    height: 545

    property string page: "start"

    // The host opens a modal screen for most commands; a second click queued behind the
    // first would open it again when the player comes back.
    function raise(command) {
        if (cooldown.running)
            return;
        cooldown.start();
        Movie.fscommand(command, "");
    }

    function openSinglePlayer() {
        // The host puts its avatar list back to "1" without telling the movie, so the
        // variable it reads on "entermap" must follow.
        Movie.setVariable("iImageNum", "1");
        page = "single";
        raise("2ndlogin");
    }

    function backToStart() {
        page = "start";
        raise("return");
    }

    Component.onCompleted: Movie.setVariable("iImageNum", "1")

    Timer {
        id: cooldown
        interval: 600
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Theme.skyTop
            }
            GradientStop {
                position: 0.75
                color: Theme.skyBottom
            }
        }
    }

    Sun {
        x: 650
        y: -30
        width: 130
        height: 130
    }

    Repeater {
        model: [
            { "x": 30, "y": 30, "w": 130, "d": 60000 },
            { "x": 420, "y": 70, "w": 100, "d": 75000 }
        ]
        // Drawn once into an image that drifts in whole pixels.
        CachedImage {
            required property var modelData
            property real drift: modelData.x
            width: modelData.w
            height: width * 0.55
            smooth: false
            x: Math.round(drift)
            y: modelData.y
            Cloud {
                anchors.fill: parent
            }
            SequentialAnimation on drift {
                loops: Animation.Infinite
                NumberAnimation {
                    from: modelData.x
                    to: modelData.x + 120
                    duration: modelData.d / 2
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: modelData.x
                    duration: modelData.d / 2
                    easing.type: Easing.InOutSine
                }
            }
        }
    }

    Wave {
        y: 430
        width: root.width
        height: root.height - y
        color: Theme.seaLight
        crest: 8
        length: 130
        period: 5000
        reverse: true
    }

    FloatingBook {
        x: 520
        restY: 452
        width: 80
        height: 48
        cover: Theme.go
    }

    FloatingBook {
        x: 250
        restY: 470
        width: 70
        height: 42
        cover: Theme.grape
        beat: 1700
    }

    Boat {
        id: boat
        y: 380
        width: 120
        height: 106
        sailor: root.vars.iImageNum ?? "1"
        property real sail: 20
        x: Math.round(sail)
        SequentialAnimation on sail {
            loops: Animation.Infinite
            NumberAnimation {
                from: 20
                to: 640
                duration: 26000
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: 20
                duration: 26000
                easing.type: Easing.InOutSine
            }
        }
    }

    Wave {
        y: 468
        width: root.width
        height: root.height - y
        color: Theme.sea
        crest: 10
        length: 170
        period: 4200
    }

    Bubbles {
        y: 400
        width: root.width
        height: root.height - y
        count: 6
    }

    Item {
        id: startPage
        anchors.fill: parent
        opacity: root.page === "start" ? 1 : 0
        visible: opacity > 0
        Behavior on opacity {
            NumberAnimation {
                duration: 300
            }
        }

        GameName {
            anchors.horizontalCenter: parent.horizontalCenter
            y: -24
            scale: 0.76
            shown: true
            // This screen stays up for long; a still name keeps the idle cost down.
            lively: false
        }

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 266
            spacing: 14
            GameButton {
                width: 290
                height: 70
                text: "单人游戏"
                color: Theme.go
                onClicked: root.openSinglePlayer()
            }
            GameButton {
                width: 290
                height: 70
                text: "双人对战"
                color: Theme.sky
                onClicked: root.raise("twop")
            }
            GameButton {
                width: 290
                height: 70
                text: "退出游戏"
                color: Theme.leave
                onClicked: root.raise("exit")
            }
        }
    }

    Item {
        id: singlePage
        anchors.fill: parent
        opacity: root.page === "single" ? 1 : 0
        visible: opacity > 0
        Behavior on opacity {
            NumberAnimation {
                duration: 300
            }
        }

        Panel {
            x: 30
            y: 56
            width: 470
            height: 272
            title: "小提示"
            ribbon: Theme.calm
            Column {
                anchors.fill: parent
                anchors.margins: 6
                spacing: 14
                Repeater {
                    model: [
                        { "mark": "1", "color": Theme.go, "text": "新玩家：写下名字，选一个喜欢的头像，再点「进入地图」。" },
                        { "mark": "2", "color": Theme.sky, "text": "老玩家：在「老玩家请选择」里找到自己的名字，再点「进入地图」。" },
                        { "mark": "3", "color": Theme.grape, "text": "等不及了？写下名字点「快速开始」，带着小猫头像马上出发！" }
                    ]
                    Row {
                        required property var modelData
                        spacing: 12
                        Rectangle {
                            width: 34
                            height: 34
                            radius: 17
                            color: modelData.color
                            Text {
                                anchors.centerIn: parent
                                text: modelData.mark
                                font.family: Theme.font
                                font.pixelSize: 20
                                font.bold: true
                                color: Theme.white
                            }
                        }
                        Text {
                            width: 390
                            text: modelData.text
                            wrapMode: Text.Wrap
                            font.family: Theme.font
                            font.pixelSize: Theme.bodyText
                            color: Theme.ink
                            lineHeight: 1.1
                        }
                    }
                }
            }
        }

        Row {
            x: 42
            y: 346
            spacing: 24
            GameButton {
                width: 210
                height: 70
                text: "进入地图"
                color: Theme.go
                onClicked: root.raise("entermap")
            }
            GameButton {
                width: 210
                height: 70
                text: "快速开始"
                color: Theme.calm
                onClicked: root.raise("enternewer")
            }
        }

        Panel {
            x: 540
            y: 48
            width: 244
            height: 292
            title: "单人游戏"
        }

        FieldFrame {
            label: "新玩家名字"
            field: root.hostRect(566, 115, 121, 20, false)
        }
        FieldFrame {
            label: "选择头像"
            field: root.hostRect(570, 174, 81, 22, true)
        }
        FieldFrame {
            label: "老玩家请选择"
            field: root.hostRect(576, 296, 145, 19, true)
        }

        Clip {
            id: image
            objectName: "image"
            x: 666
            y: 140
            width: 104
            height: 104

            Component.onCompleted: stop()
            onPlayingChanged: {
                if (playing)
                    bounce.restart();
            }

            Avatar {
                id: preview
                anchors.fill: parent
                number: root.vars.iImageNum ?? "1"
                transformOrigin: Item.Bottom
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.bottom
                anchors.topMargin: 4
                text: preview.animalName
                font.family: Theme.font
                font.pixelSize: Theme.smallText
                font.bold: true
                color: Theme.inkSoft
            }

            SequentialAnimation {
                id: bounce
                NumberAnimation {
                    target: preview
                    property: "scale"
                    to: 1.25
                    duration: 160
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    target: preview
                    property: "scale"
                    to: 1
                    duration: 520
                    easing.type: Easing.OutBounce
                }
                ScriptAction {
                    script: image.stop()
                }
            }
        }

        GameButton {
            x: 586
            y: 360
            width: 150
            height: 58
            text: "返回"
            color: Theme.leave
            onClicked: root.backToStart()
        }
    }

    // A label above one of the host's input controls and a rounded frame around it; the
    // inside stays empty because the real control covers it.
    // The host's input boxes keep their pixel places on the 800 x 600 screen the game runs
    // on, while this 792 x 545 stage is stretched to fill it; the frames are drawn where the
    // boxes really are. The two lists follow the window's right edge.
    function hostRect(x, y, width, height, followsRightEdge) {
        const sx = 792 / 800;
        const sy = 545 / 600;
        const left = followsRightEdge ? x + 800 - 792 : x;
        return Qt.rect(left * sx, y * sy, width * sx, height * sy);
    }

    component FieldFrame: Item {
        id: frame
        property string label
        property rect field

        Text {
            x: frame.field.x - 2
            y: frame.field.y - 30
            text: frame.label
            font.family: Theme.font
            font.pixelSize: 18
            font.bold: true
            color: Theme.ink
        }
        Rectangle {
            x: frame.field.x - 5
            y: frame.field.y - 5
            width: frame.field.width + 10
            height: frame.field.height + 10
            radius: 8
            color: "transparent"
            border.color: Theme.go
            border.width: 3
        }
    }
}
