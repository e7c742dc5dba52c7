// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A sheet of warm paper with a wooden rim and an optional title ribbon; children go
// into the paper, below the ribbon.
Item {
    id: panel

    property string title
    property color ribbon: Theme.coral
    property color fill: Theme.paper
    default property alias content: body.data

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 6
        anchors.leftMargin: 6
        anchors.rightMargin: -6
        anchors.bottomMargin: -6
        radius: Theme.radius
        color: Theme.shadow
    }

    Rectangle {
        anchors.fill: parent
        radius: Theme.radius
        color: Theme.wood
        Rectangle {
            anchors.fill: parent
            anchors.margins: 5
            radius: Theme.radius - 4
            color: panel.fill
            border.color: Theme.paperEdge
            border.width: 2
        }
    }

    Item {
        id: body
        anchors.fill: parent
        anchors.margins: 12
        anchors.topMargin: panel.title.length > 0 ? ribbonShape.height / 2 + 14 : 12
    }

    Rectangle {
        id: ribbonShape
        visible: panel.title.length > 0
        anchors.horizontalCenter: parent.horizontalCenter
        y: -height / 2
        width: Math.max(160, ribbonText.implicitWidth + 56)
        height: 44
        radius: 12
        color: panel.ribbon
        border.color: Qt.darker(panel.ribbon, 1.3)
        border.width: 3
        Text {
            id: ribbonText
            anchors.centerIn: parent
            text: panel.title
            font.family: Theme.font
            font.pixelSize: 24
            font.bold: true
            color: Theme.white
            style: Text.Outline
            styleColor: Qt.darker(panel.ribbon, 1.6)
        }
    }
}
