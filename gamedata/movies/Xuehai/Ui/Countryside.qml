// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes

// The meadow the pig runs through. Far hills, near bushes and the grass slide by at
// different paces as `distance` grows, which makes the running feel deep.
Item {
    id: land

    property real distance: 0
    property real groundY: height - 74

    clip: true

    // Four hills a tile of 620 pixels, so two tiles side by side loop without a seam.
    function hillPath(width, base, seed) {
        const rise = [0, 34, 14, 44];
        let path = "M 0 " + base;
        for (let x = 0; x < width; x += 155) {
            const peak = base - 50 - rise[(x / 155 + seed) % 4];
            path += " Q " + (x + 78) + " " + peak + " " + (x + 155) + " " + base;
        }
        return path + " L " + width + " " + land.height + " L 0 " + land.height + " Z";
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

    Rectangle {
        x: land.width * 0.62
        y: 70
        width: 74
        height: 74
        radius: 37
        color: Theme.sun
        border.color: Theme.sunDeep
        border.width: 3
    }

    Repeater {
        model: 3
        Item {
            id: cloud
            required property int index
            readonly property real span: land.width + 160
            x: span - ((land.distance * 0.08 + index * 260) % span) - 140
            y: 50 + index * 34
            width: 100 - index * 12
            height: width * 0.42
            Rectangle {
                y: parent.height * 0.35
                width: parent.width
                height: parent.height * 0.65
                radius: height / 2
                color: Theme.white
            }
            Rectangle {
                x: parent.width * 0.22
                width: parent.width * 0.44
                height: width
                radius: width / 2
                color: Theme.white
            }
        }
    }

    Repeater {
        model: [
            {
                "pace": 0.15,
                "base": land.groundY - 30,
                "shade": "#a5d6a7",
                "seed": 0
            },
            {
                "pace": 0.35,
                "base": land.groundY - 4,
                "shade": "#81c784",
                "seed": 1
            }
        ]

        Shape {
            id: hills
            required property var modelData
            readonly property real tile: 620
            x: -((land.distance * modelData.pace) % tile)
            width: tile * 2
            height: land.height
            ShapePath {
                fillColor: hills.modelData.shade
                strokeColor: "transparent"
                PathSvg {
                    path: land.hillPath(hills.width, hills.modelData.base, hills.modelData.seed)
                }
            }
        }
    }

    Repeater {
        model: 6
        Item {
            id: bush
            required property int index
            readonly property real span: land.width + 120
            x: span - ((land.distance * 0.6 + index * 137) % span) - 60
            y: land.groundY - 26
            Rectangle {
                width: 56
                height: 34
                radius: 17
                color: Theme.grassDeep
            }
            Rectangle {
                x: 14
                y: -12
                width: 30
                height: 30
                radius: 15
                color: Theme.grassDeep
            }
            Rectangle {
                visible: bush.index % 2 === 0
                x: 20
                y: 2
                width: 8
                height: 8
                radius: 4
                color: Theme.berry
            }
        }
    }

    Rectangle {
        y: land.groundY
        width: land.width
        height: land.height - land.groundY
        color: "#c68b59"
        Rectangle {
            width: parent.width
            height: 16
            color: Theme.grass
        }
        Rectangle {
            y: 16
            width: parent.width
            height: 4
            color: Theme.grassDeep
        }
    }

    Repeater {
        model: 9
        Rectangle {
            required property int index
            readonly property real span: land.width + 40
            x: span - ((land.distance + index * 71) % span) - 20
            y: land.groundY + 30 + (index % 3) * 12
            width: 14 + (index % 2) * 8
            height: 6
            radius: 3
            color: "#a9744a"
        }
    }
}
