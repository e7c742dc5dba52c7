// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The opening scene: dawn over the sea of knowledge. The sun climbs, books sail and
// fly, the name drops in, and after a few seconds the movie tells the host it is done.
Clip {
    id: root

    width: 794
    height: 547

    readonly property real horizon: 330
    property bool ended: false
    property real dawn: 0
    // The sky brightens in 32 steps, each too small to see: a step repaints the whole scene,
    // so the dawn costs 32 such repaints instead of one every frame.
    readonly property real sky: Math.round(dawn * 32) / 32

    function finish() {
        if (ended)
            return;
        ended = true;
        Movie.fscommand("end", "");
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: Qt.tint("#ff9e7a", Qt.rgba(0.37, 0.77, 1, root.sky))
            }
            GradientStop {
                position: 0.6
                color: Qt.tint("#ffd59e", Qt.rgba(0.79, 0.94, 1, root.sky))
            }
        }
    }

    Sun {
        id: sun
        width: 150
        height: 150
        x: 560
        y: root.horizon - 40
    }

    Repeater {
        model: [
            { "x": 40, "y": 40, "w": 150, "d": 52000 },
            { "x": 330, "y": 18, "w": 110, "d": 64000 },
            { "x": 620, "y": 150, "w": 120, "d": 46000 }
        ]
        // Drawn once into an image; a slow drift in whole pixels moves it a few times a
        // second only.
        CachedImage {
            required property var modelData
            property real drift: modelData.x
            width: modelData.w
            height: width * 0.55
            smooth: false
            x: Math.round(drift)
            y: modelData.y
            opacity: 0.95
            NumberAnimation on drift {
                from: modelData.x
                to: modelData.x + 200
                duration: modelData.d
            }
            Cloud {
                anchors.fill: parent
            }
        }
    }

    Repeater {
        model: [
            { "y": 60, "delay": 300, "cover": "#ab47bc", "size": 76, "period": 8000 },
            { "y": 150, "delay": 1500, "cover": "#26a69a", "size": 62, "period": 9500 },
            { "y": 30, "delay": 3000, "cover": "#ef5350", "size": 52, "period": 8500 }
        ]
        Book {
            id: flyer
            required property var modelData
            width: modelData.size
            height: modelData.size * 0.66
            cover: modelData.cover
            flapping: true
            x: -width
            y: modelData.y
            SequentialAnimation on x {
                PauseAnimation {
                    duration: flyer.modelData.delay
                }
                NumberAnimation {
                    from: -flyer.width
                    to: root.width + flyer.width
                    duration: flyer.modelData.period
                }
            }
            SequentialAnimation on y {
                loops: Animation.Infinite
                NumberAnimation {
                    to: flyer.modelData.y - 16
                    duration: 900
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: flyer.modelData.y + 10
                    duration: 900
                    easing.type: Easing.InOutSine
                }
            }
        }
    }

    Wave {
        y: root.horizon - 12
        width: root.width
        height: root.height - y
        color: Theme.seaLight
        crest: 8
        length: 140
        period: 5200
        reverse: true
    }

    Wave {
        y: root.horizon + 26
        width: root.width
        height: root.height - y
        color: Theme.sea
        crest: 10
        length: 170
        period: 4200
    }

    Repeater {
        model: [
            { "x": 90, "y": 372, "cover": "#ff9f1c", "w": 96 },
            { "x": 560, "y": 392, "cover": "#42a5f5", "w": 84 },
            { "x": 330, "y": 430, "cover": "#7cc242", "w": 104 }
        ]
        FloatingBook {
            required property var modelData
            required property int index
            x: modelData.x
            restY: modelData.y
            width: modelData.w
            height: modelData.w * 0.6
            cover: modelData.cover
            beat: 1300 + index * 170
        }
    }

    Boat {
        id: boat
        // Sails in whole pixels: as it slows down towards its mooring it repaints less often.
        property real sail: -width
        x: Math.round(sail)
        y: root.horizon + 24
        width: 150
        height: 132
        NumberAnimation on sail {
            from: -boat.width
            to: root.width * 0.62
            duration: 7000
            easing.type: Easing.OutSine
        }
    }

    Wave {
        y: root.horizon + 110
        width: root.width
        height: root.height - y
        color: Theme.seaDeep
        crest: 12
        length: 210
        period: 3600
        reverse: true
    }

    Bubbles {
        y: root.horizon - 40
        width: root.width
        height: root.height - y
    }

    GameName {
        id: name
        anchors.horizontalCenter: parent.horizontalCenter
        y: 96
    }

    Text {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        // NoBorder crops the stage on wide and on tall screens alike; keep clear of both.
        anchors.rightMargin: 64
        anchors.bottomMargin: 58
        text: "按 Esc 键跳过"
        font.family: Theme.font
        font.pixelSize: Theme.smallText
        color: Theme.white
        opacity: 0.8
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: root.finish()
    }

    SequentialAnimation {
        running: true
        ParallelAnimation {
            NumberAnimation {
                target: sun
                property: "y"
                to: 60
                duration: 2600
                easing.type: Easing.OutCubic
            }
            NumberAnimation {
                target: root
                property: "dawn"
                to: 1
                duration: 2600
            }
            SequentialAnimation {
                PauseAnimation {
                    duration: 900
                }
                ScriptAction {
                    script: name.show()
                }
            }
        }
        PauseAnimation {
            duration: 4200
        }
        ScriptAction {
            script: root.finish()
        }
    }
}
