// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A big, round, candy-like button: it grows a little under the pointer and sinks onto
// its darker base when pressed, so a child sees at once that it can be clicked.
Item {
    id: button

    property string text
    property color color: Theme.go
    property int fontSize: Theme.buttonText
    property bool hovered: area.containsMouse
    readonly property bool pressed: area.pressed
    readonly property int depth: Math.max(4, Math.round(height * 0.09))

    signal clicked

    implicitWidth: Math.max(180, label.implicitWidth + 64)
    implicitHeight: 64
    opacity: enabled ? 1 : 0.5
    scale: !enabled ? 1 : pressed ? 0.97 : hovered ? 1.07 : 1
    Behavior on scale {
        NumberAnimation {
            duration: 140
            easing.type: Easing.OutBack
        }
    }

    // Every rounded part is filled in one piece, so a scaled picture shows no seams in it.
    EvenRound {
        anchors.fill: parent
        anchors.topMargin: button.depth
        radius: height / 2
        fill: Qt.darker(button.color, 1.45)
    }

    // The face's rim, then the face inside it.
    EvenRound {
        id: face
        width: parent.width
        height: parent.height - button.depth
        y: button.pressed ? button.depth - 1 : 0
        radius: height / 2
        fill: Qt.darker(button.color, 1.25)

        Rectangle {
            anchors.fill: parent
            anchors.margins: 2
            radius: height / 2
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: Qt.lighter(button.color, button.hovered ? 1.45 : 1.3)
                }
                GradientStop {
                    position: 0.55
                    color: button.color
                }
                GradientStop {
                    position: 1
                    color: Qt.darker(button.color, 1.1)
                }
            }
        }

        EvenRound {
            x: parent.height * 0.35
            y: parent.height * 0.12
            width: parent.width - parent.height * 0.7
            height: parent.height * 0.28
            radius: height / 2
            fill: "#66ffffff"
        }

        Text {
            id: label
            anchors.centerIn: parent
            text: button.text
            font.family: Theme.font
            font.pixelSize: button.fontSize
            font.bold: true
            color: Theme.white
            style: Text.Outline
            styleColor: Qt.darker(button.color, 1.6)
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
