// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The game's name on two round badges with the subtitle on a ribbon. show() drops the
// characters in one by one and pops the subtitle up; shown draws it all at once.
Item {
    id: title

    property bool shown: false
    property bool lively: true
    property string subtitle: "知识冒险之旅"
    property real firstDrop: shown ? 1 : 0
    property real secondDrop: shown ? 1 : 0
    // The badges and the ribbon only slide, and are copied pixel for pixel, unless the name
    // itself is shown smaller or larger.
    readonly property bool smoothImages: scale !== 1
    // From the name's entrance until the last character of the subtitle has popped up.
    property bool popping: false

    function show() {
        entrance.start();
    }

    width: 520
    height: 290

    Row {
        id: glyphs
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 18
        Repeater {
            model: ["学", "海"]
            CachedImage {
                id: glyph
                required property string modelData
                required property int index
                readonly property real drop: index === 0 ? title.firstDrop : title.secondDrop
                width: 190
                height: 190
                smooth: title.smoothImages
                opacity: drop > 0 ? 1 : 0
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: 8
                    radius: width / 2
                    color: glyph.index === 0 ? "#ffb74d" : "#4fc3f7"
                    border.color: Theme.white
                    border.width: 6
                    opacity: 0.9
                }
                Text {
                    anchors.centerIn: parent
                    anchors.horizontalCenterOffset: 5
                    anchors.verticalCenterOffset: 7
                    text: glyph.modelData
                    font.family: Theme.brush
                    font.pixelSize: 150
                    color: "#66000000"
                }
                Text {
                    anchors.centerIn: parent
                    text: glyph.modelData
                    font.family: Theme.brush
                    font.pixelSize: 150
                    color: Theme.white
                    style: Text.Outline
                    styleColor: Theme.ink
                }
                // A bob rather than a sway, in whole pixels, of the glyph drawn once into an
                // image: outlined glyphs this big are dear to draw again every frame.
                property real bob: 0
                transform: Translate {
                    y: Math.round((1 - glyph.drop) * -260 + glyph.bob)
                }
                SequentialAnimation on bob {
                    running: title.lively && glyph.drop >= 1
                    loops: Animation.Infinite
                    NumberAnimation {
                        to: glyph.index === 0 ? -6 : 6
                        duration: 2000
                        easing.type: Easing.InOutSine
                    }
                    NumberAnimation {
                        to: glyph.index === 0 ? 6 : -6
                        duration: 2000
                        easing.type: Easing.InOutSine
                    }
                }
            }
        }
    }

    // Its outlined characters are drawn as curves at this size: drawn once, then only copied
    // when something passes behind them. They draw themselves while they pop up.
    CachedImage {
        id: ribbon
        anchors.horizontalCenter: parent.horizontalCenter
        y: 206
        width: 420
        height: 70
        scale: title.shown ? 1 : 0
        smooth: title.smoothImages
        live: title.popping
        EvenRound {
            anchors.fill: parent
            radius: 35
            fill: Theme.coral
            border.color: Theme.white
            border.width: 5
            Row {
                anchors.centerIn: parent
                spacing: 4
                Repeater {
                    id: subtitle
                    model: title.subtitle.split("")
                    Text {
                        required property string modelData
                        text: modelData
                        font.family: Theme.font
                        font.pixelSize: 40
                        font.bold: true
                        color: Theme.white
                        style: Text.Outline
                        styleColor: "#b23c17"
                        scale: title.shown ? 1 : 0
                    }
                }
            }
        }
    }

    Repeater {
        model: [
            { "x": 10, "y": 20, "s": 34, "d": 0 },
            { "x": 480, "y": 6, "s": 28, "d": 500 },
            { "x": 250, "y": -20, "s": 22, "d": 900 },
            { "x": 500, "y": 170, "s": 30, "d": 300 },
            { "x": -10, "y": 190, "s": 24, "d": 1200 }
        ]
        Sparkle {
            required property var modelData
            visible: title.lively && ribbon.scale > 0
            x: modelData.x
            y: modelData.y
            width: modelData.s
            height: modelData.s
            delay: modelData.d
        }
    }

    SequentialAnimation {
        id: entrance
        ScriptAction {
            script: title.popping = true
        }
        NumberAnimation {
            target: title
            property: "firstDrop"
            to: 1
            duration: 700
            easing.type: Easing.OutBounce
        }
        NumberAnimation {
            target: title
            property: "secondDrop"
            to: 1
            duration: 700
            easing.type: Easing.OutBounce
        }
        NumberAnimation {
            target: ribbon
            property: "scale"
            to: 1
            duration: 400
            easing.type: Easing.OutBack
        }
        ScriptAction {
            script: {
                for (let i = 0; i < subtitle.count; ++i)
                    subtitlePop.createObject(title, { "target": subtitle.itemAt(i), "delay": i * 140 }).start();
            }
        }
        PauseAnimation {
            duration: Math.max(0, subtitle.count - 1) * 140 + 380
        }
        ScriptAction {
            script: title.popping = false
        }
    }

    Component {
        id: subtitlePop
        SequentialAnimation {
            id: pop
            property Item target
            property int delay
            PauseAnimation {
                duration: pop.delay
            }
            NumberAnimation {
                target: pop.target
                property: "scale"
                to: 1
                duration: 380
                easing.type: Easing.OutBack
                easing.overshoot: 3
            }
        }
    }
}
