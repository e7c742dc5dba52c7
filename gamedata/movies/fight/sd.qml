// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The set-up of a two-player battle. The host's eight input controls lie on top of this
// movie at fixed stage positions; the movie draws the festival around them, frames each
// one with its label and shows both players' avatars, which hop when the host plays them.
Clip {
    id: root

    // The host may answer a click by loading another movie; a second click queued behind
    // the first must not raise the command again.
    function raise(command) {
        if (cooldown.running)
            return;
        cooldown.start();
        Movie.fscommand(command, "");
    }

    width: 800
    height: 585

    Timer {
        id: cooldown
        interval: 800
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: "#ffcc80"
            }
            GradientStop {
                position: 0.55
                color: "#ffe9c4"
            }
            GradientStop {
                position: 1
                color: Theme.sand
            }
        }
    }

    Repeater {
        model: [
            {
                "x": 90,
                "from": -20,
                "to": 25
            },
            {
                "x": 710,
                "from": 20,
                "to": -25
            }
        ]
        Rectangle {
            required property var modelData
            x: modelData.x - width / 2
            y: -40
            width: 140
            // The light fades out above the panels, where it shows; a longer beam would
            // only redraw the panels under it every frame.
            height: 300
            transformOrigin: Item.Top
            // The beam turns in half degrees, a step of two pixels at its faded end: a slow
            // sweep then redraws the bunting and the sign under it a third as often.
            property real sweep: modelData.from
            rotation: Math.round(sweep * 2) / 2
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: "#88fff59d"
                }
                GradientStop {
                    position: 1
                    color: "#00fff59d"
                }
            }
            SequentialAnimation on sweep {
                loops: Animation.Infinite
                NumberAnimation {
                    from: modelData.from
                    to: modelData.to
                    duration: 5000
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: modelData.from
                    duration: 5000
                    easing.type: Easing.InOutSine
                }
            }
        }
    }

    Rectangle {
        y: 440
        width: root.width
        height: root.height - y
        color: "#c68642"
        Repeater {
            model: 6
            Rectangle {
                required property int index
                y: 12 + index * 24
                width: root.width
                height: 2
                color: "#a0612b"
            }
        }
        Rectangle {
            width: parent.width
            height: 8
            color: Theme.wood
        }
    }

    Bunting {
        x: -10
        y: 0
        width: root.width + 20
        sag: 18
        flags: 22
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 0
        width: 228
        height: 42
        radius: 12
        color: Theme.paper
        border.color: Theme.wood
        border.width: 4
        Text {
            anchors.centerIn: parent
            text: "双人知识擂台"
            font.family: Theme.brush
            font.pixelSize: 32
            font.bold: true
            color: Theme.coral
        }
    }

    Panel {
        x: 82
        y: 62
        width: 272
        height: 180
        title: "玩家一"
        ribbon: Theme.coral
    }

    Panel {
        x: 436
        y: 60
        width: 276
        height: 180
        title: "玩家二"
        ribbon: Theme.sky
    }

    Item {
        x: 395 - 37
        y: 110
        width: 74
        height: 74
        Rectangle {
            anchors.fill: parent
            radius: 37
            color: Theme.sun
            border.color: Theme.sunDeep
            border.width: 5
        }
        Text {
            anchors.centerIn: parent
            text: "VS"
            font.family: Theme.font
            font.pixelSize: 34
            font.bold: true
            font.italic: true
            color: Theme.leave
            style: Text.Outline
            styleColor: Theme.white
        }
        SequentialAnimation on scale {
            loops: Animation.Infinite
            NumberAnimation {
                to: 1.12
                duration: 400
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                to: 1
                duration: 600
                easing.type: Easing.OutBounce
            }
            PauseAnimation {
                duration: 900
            }
        }
    }

    Panel {
        x: 92
        y: 262
        width: 616
        height: 162
        title: "比赛设置"
        ribbon: Theme.calm
    }

    Trophy {
        x: 400 - width / 2
        y: 290
        width: 64
        height: 72
        // Half a degree is a third of a pixel at the cup's rim: as smooth to the eye, and a
        // third of the frames.
        property real wobble: 0
        rotation: Math.round(wobble * 2) / 2
        SequentialAnimation on wobble {
            loops: Animation.Infinite
            NumberAnimation {
                to: 6
                duration: 700
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: -6
                duration: 1400
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: 0
                duration: 700
                easing.type: Easing.InOutSine
            }
        }
    }

    FieldFrame {
        label: "名字"
        tint: Theme.coral
        field: root.hostRect(168, 90, 119, 21)
    }
    FieldFrame {
        label: "头像"
        tint: Theme.coral
        field: root.hostRect(152, 160, 89, 19)
    }
    FieldFrame {
        label: "名字"
        tint: Theme.sky
        field: root.hostRect(509, 88, 130, 21)
    }
    FieldFrame {
        label: "头像"
        tint: Theme.sky
        field: root.hostRect(504, 158, 89, 19)
    }
    FieldFrame {
        label: "题库"
        tint: Theme.calm
        field: root.hostRect(192, 296, 129, 19)
    }
    FieldFrame {
        label: "题数"
        tint: Theme.calm
        field: root.hostRect(540, 297, 89, 19)
        note: "道题"
    }
    FieldFrame {
        label: "音乐"
        tint: Theme.calm
        field: root.hostRect(209, 372, 89, 19)
        note: "♪ 欢乐进行曲"
    }
    FieldFrame {
        label: "场地"
        tint: Theme.calm
        field: root.hostRect(550, 372, 89, 19)
    }

    Text {
        x: 500
        y: 398
        text: "1 竹林　2 太空站"
        font.family: Theme.font
        font.pixelSize: 15
        font.bold: true
        color: Theme.inkSoft
    }

    Text {
        x: 120
        y: 198
        width: 130
        text: "选好头像它会跳一跳"
        wrapMode: Text.Wrap
        font.family: Theme.font
        font.pixelSize: 14
        color: Theme.inkSoft
    }

    AvatarStage {
        objectName: "c_imagea"
        x: 264
        y: 122
        number: root.vars.iImage1Num ?? "1"
    }

    AvatarStage {
        objectName: "c_imageb"
        x: 620
        y: 120
        number: root.vars.iImage2Num ?? "1"
    }

    GameButton {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 462
        width: 300
        height: 84
        fontSize: 34
        text: "开始对战"
        color: Theme.go
        onClicked: root.raise("fight")
    }

    GameButton {
        x: 30
        y: 480
        width: 140
        height: 60
        text: "返回"
        color: Theme.leave
        onClicked: root.raise("fightUplevel")
    }

    // A label left of one of the host's input controls and a rounded frame around it;
    // the inside stays empty because the real control covers it.
    // The host's set-up boxes keep their pixel places on the 800 x 600 screen the game runs
    // on, while this 800 x 585 stage is stretched to fill it; the frames are drawn where the
    // boxes really are.
    function hostRect(x, y, width, height) {
        const sy = 585 / 600;
        return Qt.rect(x, y * sy, width, height * sy);
    }

    component FieldFrame: Item {
        id: frame

        property string label
        property string note
        property color tint: Theme.go
        property rect field

        Text {
            x: frame.field.x - implicitWidth - 12
            y: frame.field.y + frame.field.height / 2 - implicitHeight / 2
            text: frame.label
            font.family: Theme.font
            font.pixelSize: 20
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
            border.color: frame.tint
            border.width: 3
        }
        Text {
            visible: frame.note.length > 0
            x: frame.field.x + frame.field.width + 12
            y: frame.field.y + frame.field.height / 2 - implicitHeight / 2
            text: frame.note
            font.family: Theme.font
            font.pixelSize: 17
            font.bold: true
            color: Theme.inkSoft
        }
    }
}
