// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A ribbon that slides down for a few seconds after a quiz: the subject and how much of
// it is done, given in per mille as the host reports it on the way back.
Rectangle {
    id: banner

    property string text

    function show(name, perMille) {
        const figure = (Math.max(0, Math.min(1000, perMille)) / 10).toFixed(1).replace(/\.0$/, "");
        text = name + " 完成度 " + figure + "%";
        slide.restart();
    }

    y: -height - 10
    width: label.implicitWidth + 60
    height: 56
    radius: 28
    color: Theme.calm
    border.color: Theme.white
    border.width: 4

    Text {
        id: label
        anchors.centerIn: parent
        text: banner.text
        font.family: Theme.font
        font.pixelSize: 26
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Qt.darker(Theme.calm, 1.6)
    }

    SequentialAnimation {
        id: slide
        NumberAnimation {
            target: banner
            property: "y"
            to: 76
            duration: 500
            easing.type: Easing.OutBack
        }
        PauseAnimation {
            duration: 3500
        }
        NumberAnimation {
            target: banner
            property: "y"
            to: -banner.height - 10
            duration: 400
            easing.type: Easing.InQuad
        }
    }
}
