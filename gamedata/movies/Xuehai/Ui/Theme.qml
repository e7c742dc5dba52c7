// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick

// One palette and one pair of faces for every movie, so the title, the map and the
// quizzes look like the same game.
QtObject {
    readonly property string font: "Noto Sans CJK SC"
    readonly property string brush: "AR PL UKai CN"

    readonly property color skyTop: "#5ec4ff"
    readonly property color skyBottom: "#c9f0ff"
    readonly property color sea: "#1e88e5"
    readonly property color seaLight: "#4fc3f7"
    readonly property color seaDeep: "#0d47a1"
    readonly property color foam: "#e3f7ff"
    readonly property color sun: "#ffd54f"
    readonly property color sunDeep: "#ff9800"
    readonly property color coral: "#ff7043"
    readonly property color berry: "#ec407a"
    readonly property color grass: "#7cc242"
    readonly property color grassDeep: "#4e8f2a"
    readonly property color sand: "#ffe3a3"
    readonly property color paper: "#fff8e6"
    readonly property color paperEdge: "#e0a95a"
    readonly property color wood: "#a0612b"
    readonly property color ink: "#4a2b12"
    readonly property color inkSoft: "#7a5a3a"
    readonly property color white: "#ffffff"
    readonly property color shadow: "#40000000"

    // Button colours by role: go on, a friendly alternative, leave.
    readonly property color go: "#ff9f1c"
    readonly property color calm: "#26a69a"
    readonly property color leave: "#ef5350"
    readonly property color sky: "#42a5f5"
    readonly property color grape: "#ab47bc"

    readonly property int smallText: 16
    readonly property int bodyText: 20
    readonly property int buttonText: 26
    readonly property int titleText: 40
    readonly property int radius: 18
}
