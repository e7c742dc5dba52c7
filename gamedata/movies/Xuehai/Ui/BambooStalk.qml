// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// One bamboo stalk standing on the forest floor. Bamboo bends most at the top: a stalk
// that sways bends only above its first node, about that node, while the trunk below
// stands still, so a frame redraws a short stretch of the stalk instead of its whole
// column; the sway steps a whole pixel at the tip at a time. No part is a cached layer:
// Qt 6.4's software renderer repaints every cached layer whole on every frame, whatever
// moved, and with 32 of them the whole forest and everything over it was drawn anew 55
// times a second.
Item {
    id: stalk

    required property int index
    property bool sways: false
    readonly property bool near: index % 3 === 0
    readonly property real thickness: near ? 22 : 13
    readonly property real bend: near ? 5 : 7
    readonly property int period: 2200 + index * 90

    // Where the nodes (dark rings) and the leaves sit, measured from the top of the stalk.
    readonly property var rings: [0, 1, 2, 3, 4, 5, 6].map(k => 30 + k * 70 + (index % 4) * 9)
    readonly property var leaves: [0, 1, 2].slice(0, near ? 3 : 2).map(k => ({
                    "side": k % 2,
                    "y": 60 + k * 130 + (index % 3) * 20
                }))
    readonly property int joint: sways ? rings[0] + 5 : 0

    property real sway: 0
    // One step of the sway moves the tip by a pixel.
    readonly property real step: 180 / Math.PI / Math.max(1, joint)

    width: thickness
    opacity: near ? 1 : 0.55

    component Ring: Rectangle {
        x: -2
        width: stalk.thickness + 4
        height: 5
        radius: 2
        color: "#2d6a4f"
    }

    component Leaf: Rectangle {
        property int side
        x: side === 0 ? stalk.thickness - 2 : -36
        width: 40
        height: 11
        radius: 6
        rotation: side === 0 ? -28 : 28
        transformOrigin: side === 0 ? Item.Left : Item.Right
        color: "#40916c"
    }

    component Cane: Rectangle {
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop {
                position: 0
                color: "#52b788"
            }
            GradientStop {
                position: 0.5
                color: "#74c69d"
            }
            GradientStop {
                position: 1
                color: "#2d6a4f"
            }
        }
    }

    // The swaying top.
    Item {
        visible: stalk.sways
        width: stalk.thickness
        height: stalk.joint
        transformOrigin: Item.Bottom
        rotation: Math.round(stalk.sway / stalk.step) * stalk.step

        Cane {
            anchors.fill: parent
            radius: 4
        }
        Repeater {
            model: stalk.rings.filter(y => y + 5 <= stalk.joint)
            Ring {
                required property int modelData
                y: modelData
            }
        }
        Repeater {
            model: stalk.leaves.filter(leaf => leaf.y < stalk.joint)
            Leaf {
                required property var modelData
                side: modelData.side
                y: modelData.y
            }
        }
    }

    // The trunk: its foot stands behind the floor, so it needs no rounded ends.
    Item {
        y: stalk.joint
        width: stalk.thickness
        height: stalk.height - stalk.joint

        Cane {
            anchors.fill: parent
        }
        Repeater {
            model: stalk.rings.filter(y => y + 5 > stalk.joint)
            Ring {
                required property int modelData
                y: modelData - stalk.joint
            }
        }
        Repeater {
            model: stalk.leaves.filter(leaf => leaf.y >= stalk.joint)
            Leaf {
                required property var modelData
                side: modelData.side
                y: modelData.y - stalk.joint
            }
        }
    }

    SequentialAnimation on sway {
        running: stalk.sways
        loops: Animation.Infinite
        NumberAnimation {
            to: stalk.bend
            duration: stalk.period
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            to: -stalk.bend
            duration: stalk.period
            easing.type: Easing.InOutSine
        }
    }
}
