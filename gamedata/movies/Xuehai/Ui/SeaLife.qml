// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Things that live in the open water of the map: fish that leap now and then and a
// whale that blows. Their spots are given in the item's own coordinates.
Item {
    id: sea

    property var fishSpots: []
    property point whaleSpot: Qt.point(-1000, -1000)

    component Splash: Rectangle {
        width: 44
        height: 14
        radius: 7
        color: "transparent"
        border.color: "#ccffffff"
        border.width: 3
    }

    Repeater {
        model: sea.fishSpots
        Item {
            id: spot
            required property point modelData
            required property int index
            x: modelData.x
            y: modelData.y
            property real leap: 0

            Splash {
                x: -22
                y: -7
                opacity: spot.leap > 0 && spot.leap < 1 ? 1 - Math.abs(spot.leap - 0.5) : 0
            }
            Item {
                x: -30 + 60 * spot.leap
                y: -50 * Math.sin(Math.PI * spot.leap)
                rotation: -50 + 100 * spot.leap
                visible: spot.leap > 0 && spot.leap < 1
                Rectangle {
                    x: -14
                    y: -8
                    width: 28
                    height: 16
                    radius: 8
                    color: spot.index % 2 ? Theme.coral : Theme.sunDeep
                    border.color: Theme.ink
                    border.width: 2
                }
                Rectangle {
                    x: -22
                    y: -7
                    width: 10
                    height: 14
                    radius: 3
                    rotation: 45
                    color: spot.index % 2 ? Theme.coral : Theme.sunDeep
                    border.color: Theme.ink
                    border.width: 2
                }
                Rectangle {
                    x: 5
                    y: -4
                    width: 4
                    height: 4
                    radius: 2
                    color: Theme.ink
                }
            }
            SequentialAnimation on leap {
                loops: Animation.Infinite
                PauseAnimation {
                    duration: 2500 + spot.index * 1700
                }
                NumberAnimation {
                    from: 0
                    to: 1
                    duration: 1100
                    easing.type: Easing.Linear
                }
                PropertyAction {
                    value: 0
                }
            }
        }
    }

    Item {
        id: whale
        x: sea.whaleSpot.x
        y: sea.whaleSpot.y
        property real breath: 0

        Repeater {
            model: 5
            Rectangle {
                required property int index
                x: -4 + (index - 2) * 9 * whale.breath
                y: -58 - 30 * whale.breath + Math.abs(index - 2) * 8 * whale.breath
                width: 10
                height: 10
                radius: 5
                color: "#e3f7ff"
                border.color: "#81d4fa"
                opacity: whale.breath > 0 ? 1 - whale.breath * 0.6 : 0
            }
        }
        Rectangle {
            x: -6
            y: -52
            width: 12
            height: 24 * whale.breath
            radius: 6
            color: "#e3f7ff"
            opacity: whale.breath > 0 ? 0.9 : 0
        }
        Rectangle {
            x: 28
            y: -40
            width: 26
            height: 18
            radius: 8
            rotation: -30
            color: "#5c8fd6"
            border.color: Theme.ink
            border.width: 2
        }
        Rectangle {
            x: -40
            y: -34
            width: 80
            height: 40
            radius: 20
            color: "#6aa1e8"
            border.color: Theme.ink
            border.width: 2.5
            Rectangle {
                x: 12
                y: 12
                width: 7
                height: 7
                radius: 3.5
                color: Theme.ink
            }
            Rectangle {
                x: 8
                y: 22
                width: 12
                height: 6
                radius: 3
                color: "#ff9aa8"
            }
        }
        Rectangle {
            x: -52
            y: -8
            width: 104
            height: 14
            radius: 7
            color: Theme.sea
            opacity: 0.9
        }
        SequentialAnimation on breath {
            loops: Animation.Infinite
            PauseAnimation {
                duration: 2600
            }
            NumberAnimation {
                from: 0
                to: 1
                duration: 900
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                to: 0
                duration: 500
            }
        }
        SequentialAnimation on y {
            loops: Animation.Infinite
            NumberAnimation {
                to: sea.whaleSpot.y - 4
                duration: 1200
                easing.type: Easing.InOutSine
            }
            NumberAnimation {
                to: sea.whaleSpot.y + 3
                duration: 1200
                easing.type: Easing.InOutSine
            }
        }
    }
}
