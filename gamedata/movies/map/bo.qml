// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The frame around the map. The host lays the map over the rectangle (90, 32)–(710, 502),
// so this movie draws only the band around it: the player, the way back, the report
// and four edges that scroll the map while the pointer rests on them. On frame 1 (a quiz,
// test or race is playing) the edges rest.
Clip {
    id: root

    width: 800
    height: 585

    readonly property rect hole: Qt.rect(90, 32, 620, 470)
    readonly property bool calm: frame === 1

    function raise(command) {
        if (cooldown.running)
            return;
        cooldown.start();
        Movie.fscommand(command, "");
    }

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
                position: 0.55
                color: Theme.skyBottom
            }
            GradientStop {
                position: 0.56
                color: Theme.seaLight
            }
            GradientStop {
                position: 1
                color: Theme.sea
            }
        }
    }

    Wave {
        y: 470
        width: root.width
        height: root.height - y
        color: Theme.sea
        crest: 8
        length: 150
        period: 5000
        running: !root.calm
    }

    Wave {
        y: 520
        width: root.width
        height: root.height - y
        color: Theme.seaDeep
        crest: 8
        length: 190
        period: 4000
        reverse: true
        running: !root.calm
    }

    Text {
        x: 8
        y: -4
        text: "学海"
        font.family: Theme.brush
        font.pixelSize: 34
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.seaDeep
    }

    Sun {
        x: 740
        y: -14
        width: 52
        height: 52
        smiling: false
    }

    Lighthouse {
        x: 14
        y: 62
    }

    Compass {
        x: 722
        y: 64
    }

    FloatingBook {
        x: 16
        restY: 420
        width: 58
        height: 36
        cover: Theme.go
    }

    FloatingBook {
        x: 724
        restY: 430
        width: 62
        height: 38
        cover: Theme.grape
        beat: 1700
    }

    Rectangle {
        x: root.hole.x - 12
        y: root.hole.y - 12
        width: root.hole.width + 24
        height: root.hole.height + 24
        radius: 16
        color: "transparent"
        border.color: Theme.wood
        border.width: 12
        Rectangle {
            anchors.fill: parent
            anchors.margins: 3
            radius: 13
            color: "transparent"
            border.color: "#c98a4b"
            border.width: 3
        }
    }

    EdgeZone {
        area: Qt.rect(root.hole.x, 0, root.hole.width, root.hole.y)
        direction: "top"
    }
    EdgeZone {
        area: Qt.rect(0, root.hole.y, root.hole.x, root.hole.height)
        direction: "left"
    }
    EdgeZone {
        area: Qt.rect(root.hole.x + root.hole.width, root.hole.y, root.width - root.hole.x - root.hole.width, root.hole.height)
        direction: "right"
    }
    EdgeZone {
        area: Qt.rect(root.hole.x, root.hole.y + root.hole.height, root.hole.width, 28)
        direction: "down"
    }

    PlayerCard {
        x: 8
        y: 533
        width: 300
        height: 48
        name: root.vars.name ?? ""
        score: root.vars.score ?? ""
        grade: root.vars["class"] ?? ""
        avatar: root.vars.image ?? "1"
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 10
        y: 533
        spacing: 12
        GameButton {
            width: 150
            height: 48
            fontSize: 22
            text: "成绩单"
            color: Theme.calm
            onClicked: root.raise("PrintStatus")
        }
        GameButton {
            width: 160
            height: 48
            fontSize: 22
            text: "返回登录"
            color: Theme.leave
            onClicked: root.raise("uplevel")
        }
    }

    // An edge of the map: while the pointer rests on it the map scrolls that way. It
    // raises "<direction>over" on entering and "<direction>out" on leaving, also when it
    // goes quiet under the pointer, so the map never keeps scrolling by itself.
    component EdgeZone: Item {
        id: zone

        property rect area
        property string direction
        property bool raised: false
        readonly property bool wanted: hover.containsMouse && !root.calm
        readonly property bool vertical: direction === "top" || direction === "down"

        x: area.x
        y: area.y
        width: area.width
        height: area.height

        onWantedChanged: {
            if (wanted === raised)
                return;
            raised = wanted;
            Movie.fscommand(direction + (wanted ? "over" : "out"), "");
        }

        MouseArea {
            id: hover
            anchors.fill: parent
            hoverEnabled: true
        }

        Row {
            anchors.centerIn: parent
            spacing: -10
            rotation: ({ "top": -90, "down": 90, "left": 180, "right": 0 })[zone.direction]
            opacity: root.calm ? 0 : zone.raised ? 1 : 0.55
            scale: zone.raised ? 1.15 : 1
            Behavior on opacity {
                NumberAnimation {
                    duration: 250
                }
            }
            Behavior on scale {
                NumberAnimation {
                    duration: 200
                    easing.type: Easing.OutBack
                }
            }
            Repeater {
                model: 2
                Text {
                    required property int index
                    text: "❯"
                    font.family: Theme.font
                    font.pixelSize: zone.vertical ? 30 : 44
                    font.bold: true
                    color: zone.raised ? Theme.sun : Theme.white
                    style: Text.Outline
                    styleColor: zone.raised ? Theme.sunDeep : Theme.seaDeep
                    SequentialAnimation on opacity {
                        running: zone.raised
                        loops: Animation.Infinite
                        alwaysRunToEnd: true
                        PauseAnimation {
                            duration: index * 150
                        }
                        NumberAnimation {
                            to: 0.35
                            duration: 250
                        }
                        NumberAnimation {
                            to: 1
                            duration: 250
                        }
                    }
                }
            }
        }
    }

    component Lighthouse: Item {
        width: 62
        height: 150
        Rectangle {
            x: 14
            y: 40
            width: 34
            height: 100
            color: Theme.white
            border.color: Theme.ink
            border.width: 2
            Repeater {
                model: 3
                Rectangle {
                    required property int index
                    y: 14 + index * 30
                    width: 34
                    height: 14
                    color: Theme.leave
                }
            }
        }
        Rectangle {
            x: 10
            y: 22
            width: 42
            height: 20
            radius: 4
            color: Theme.sun
            border.color: Theme.ink
            border.width: 2
            SequentialAnimation on color {
                running: !root.calm
                loops: Animation.Infinite
                ColorAnimation {
                    to: "#fff9c4"
                    duration: 900
                }
                ColorAnimation {
                    to: "#ffd54f"
                    duration: 900
                }
            }
        }
        Rectangle {
            x: 8
            y: 8
            width: 46
            height: 16
            radius: 8
            color: Theme.leave
            border.color: Theme.ink
            border.width: 2
        }
        Rectangle {
            x: 0
            y: 136
            width: 62
            height: 14
            radius: 7
            color: Theme.sand
            border.color: Theme.ink
            border.width: 2
        }
    }

    component Compass: Item {
        width: 66
        height: 66
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: Theme.paper
            border.color: Theme.wood
            border.width: 5
        }
        Repeater {
            model: ["北", "东", "南", "西"]
            Text {
                required property string modelData
                required property int index
                x: 33 - width / 2 + Math.sin(index * Math.PI / 2) * 20
                y: 33 - height / 2 - Math.cos(index * Math.PI / 2) * 20
                text: modelData
                font.family: Theme.font
                font.pixelSize: 12
                font.bold: true
                color: index === 0 ? Theme.leave : Theme.ink
            }
        }
        Rectangle {
            x: 30
            y: 16
            width: 6
            height: 34
            radius: 3
            gradient: Gradient {
                GradientStop {
                    position: 0.5
                    color: Theme.leave
                }
                GradientStop {
                    position: 0.51
                    color: "#90a4ae"
                }
            }
            SequentialAnimation on rotation {
                loops: Animation.Infinite
                running: !root.calm
                NumberAnimation {
                    to: 18
                    duration: 1600
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: -18
                    duration: 1600
                    easing.type: Easing.InOutSine
                }
            }
        }
    }
}
