// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// A player's avatar as a clip that the host plays after it changed the avatar number:
// the avatar hops once and the clip stops again, ready for the next change.
Clip {
    id: stage

    property var number: "1"

    width: 80
    height: 80

    Component.onCompleted: stop()
    onPlayingChanged: {
        if (playing)
            hop.restart();
    }

    Avatar {
        id: face
        width: stage.width
        height: stage.height
        number: stage.number
        transformOrigin: Item.Bottom
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.bottom
        anchors.topMargin: 2
        text: face.animalName
        font.family: Theme.font
        font.pixelSize: 16
        font.bold: true
        color: Theme.inkSoft
    }

    SequentialAnimation {
        id: hop
        ParallelAnimation {
            NumberAnimation {
                target: face
                property: "scale"
                to: 1.18
                duration: 160
                easing.type: Easing.OutQuad
            }
            NumberAnimation {
                target: face
                property: "y"
                to: -12
                duration: 160
                easing.type: Easing.OutQuad
            }
        }
        ParallelAnimation {
            NumberAnimation {
                target: face
                property: "scale"
                to: 1
                duration: 520
                easing.type: Easing.OutBounce
            }
            NumberAnimation {
                target: face
                property: "y"
                to: 0
                duration: 520
                easing.type: Easing.OutBounce
            }
        }
        ScriptAction {
            script: stage.stop()
        }
    }
}
