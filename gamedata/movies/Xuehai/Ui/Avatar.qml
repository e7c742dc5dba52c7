// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "AvatarFaces.js" as Faces

// A player's picture: avatar number 1 to 20, each a different little animal on a round
// badge. The number may come straight from a movie variable, so text works too.
Item {
    id: avatar

    property var number: 1
    property bool badge: true
    readonly property int faceIndex: Faces.index(number)
    readonly property string animalName: Faces.names[faceIndex]

    implicitWidth: 96
    implicitHeight: 96

    Rectangle {
        visible: avatar.badge
        anchors.fill: parent
        radius: width / 2
        color: Faces.badges[avatar.faceIndex]
        border.color: Theme.wood
        border.width: Math.max(2, width / 30)
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        anchors.margins: avatar.badge ? parent.width * 0.06 : 0
        onPaint: {
            const ctx = getContext("2d");
            ctx.reset();
            ctx.scale(width / 100, height / 100);
            Faces.paint(ctx, avatar.faceIndex + 1);
        }
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
    }

    onFaceIndexChanged: canvas.requestPaint()
}
