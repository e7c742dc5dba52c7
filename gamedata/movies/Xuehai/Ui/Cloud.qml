// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A puffy cartoon cloud drawn from overlapping balls, each filled in one piece; its size
// follows its width.
Item {
    id: cloud

    property color color: "#ffffff"

    implicitWidth: 160
    implicitHeight: width * 0.55

    EvenRound {
        x: 0
        y: cloud.height * 0.45
        width: cloud.width
        height: cloud.height * 0.5
        radius: height / 2
        fill: cloud.color
    }
    EvenRound {
        x: cloud.width * 0.14
        y: cloud.height * 0.2
        width: cloud.width * 0.38
        height: width
        radius: width / 2
        fill: cloud.color
    }
    EvenRound {
        x: cloud.width * 0.38
        y: 0
        width: cloud.width * 0.44
        height: width
        radius: width / 2
        fill: cloud.color
    }
    EvenRound {
        x: cloud.width * 0.1
        y: cloud.height * 0.82
        width: cloud.width * 0.8
        height: cloud.height * 0.1
        radius: height / 2
        fill: Qt.darker(cloud.color, 1.08)
        opacity: 0.6
    }
}
