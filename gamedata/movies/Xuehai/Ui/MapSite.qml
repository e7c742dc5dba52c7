// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import "LandmarkArt.js" as Art

// One place on the map: its landmark standing on a patch of lawn and a wooden sign with
// its name. It is placed by its centre; the landmark hops when pointed at.
Item {
    id: site

    property string name
    property string kind: "subject"
    property real centerX
    property real centerY
    property bool locked: false
    readonly property bool hovered: area.containsMouse

    InSight {
        id: sight
        item: site
    }

    signal entered
    signal exited
    signal picked

    width: 120
    height: 150
    x: centerX - width / 2
    y: centerY - 96

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 84
        width: 100
        height: 26
        radius: 13
        color: "#33000000"
    }

    Item {
        id: landmark
        anchors.horizontalCenter: parent.horizontalCenter
        y: 6
        width: 92
        height: 92
        transformOrigin: Item.Bottom
        scale: site.hovered ? 1.15 : 1
        Behavior on scale {
            NumberAnimation {
                duration: 180
                easing.type: Easing.OutBack
            }
        }

        // Its picture is let go while the map is hidden or out of sight under another screen.
        Loader {
            anchors.fill: parent
            active: site.visible && sight.seen
            sourceComponent: Canvas {
                onPaint: {
                    const ctx = getContext("2d");
                    ctx.reset();
                    ctx.scale(width / 100, height / 100);
                    Art.paint(ctx, site.kind, site.name);
                }
            }
        }

        SequentialAnimation on y {
            running: site.hovered
            loops: Animation.Infinite
            alwaysRunToEnd: true
            NumberAnimation {
                from: 6
                to: -6
                duration: 220
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                to: 6
                duration: 260
                easing.type: Easing.OutBounce
            }
            PauseAnimation {
                duration: 200
            }
        }
    }

    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 104
        width: sign.implicitWidth + 24
        height: 34
        radius: 10
        color: site.hovered ? Theme.sun : Theme.paper
        border.color: Theme.wood
        border.width: 3
        Text {
            id: sign
            anchors.centerIn: parent
            text: site.name
            font.family: Theme.font
            font.pixelSize: 18
            font.bold: true
            color: Theme.ink
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: site.locked ? Qt.ForbiddenCursor : Qt.PointingHandCursor
        onContainsMouseChanged: containsMouse ? site.entered() : site.exited()
        onClicked: site.picked()
    }
}
