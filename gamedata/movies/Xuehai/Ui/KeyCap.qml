// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A little keyboard key, so children see which key does what.
Rectangle {
    id: cap

    property string label
    property color tint: Theme.ink

    implicitWidth: Math.max(28, caption.implicitWidth + 12)
    implicitHeight: 28
    radius: 6
    color: Theme.white
    border.color: tint
    border.width: 2

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 2
        height: 4
        radius: 2
        color: Qt.rgba(cap.tint.r, cap.tint.g, cap.tint.b, 0.25)
    }

    Text {
        id: caption
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -1
        text: cap.label
        font.family: Theme.font
        font.pixelSize: 17
        font.bold: true
        color: cap.tint
    }
}
