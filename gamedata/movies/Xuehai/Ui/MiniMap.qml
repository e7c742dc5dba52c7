// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A small chart of the whole map in a corner: the islands, the clouded regions and a
// frame where the view is. Clicking it jumps there.
Rectangle {
    id: chart

    property var places: []
    property real worldWidth: 1240
    property real worldHeight: 940
    property rect view
    property var lockedAreas: []
    readonly property real factor: (width - 8) / worldWidth

    signal jump(real x, real y)

    width: 132
    height: 8 + worldHeight * factor
    radius: 10
    color: Theme.wood
    border.color: Theme.paperEdge
    border.width: 2

    Item {
        id: inner
        x: 4
        y: 4
        width: chart.width - 8
        height: chart.height - 8
        clip: true

        IslandCanvas {
            anchors.fill: parent
            places: chart.places
            worldWidth: chart.worldWidth
            worldHeight: chart.worldHeight
        }

        Repeater {
            model: chart.lockedAreas
            Rectangle {
                required property rect modelData
                x: modelData.x * chart.factor
                y: modelData.y * chart.factor
                width: modelData.width * chart.factor
                height: modelData.height * chart.factor
                radius: 6
                color: "#d0eef2f7"
            }
        }

        Rectangle {
            x: chart.view.x * chart.factor
            y: chart.view.y * chart.factor
            width: chart.view.width * chart.factor
            height: chart.view.height * chart.factor
            color: "transparent"
            border.color: Theme.berry
            border.width: 2
            radius: 3
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: mouse => chart.jump(mouse.x / chart.factor, mouse.y / chart.factor)
        }
    }
}
