// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A space station's deck under the stars: a ringed planet, twinkling lights, a rocket
// that zooms past now and then.
Item {
    id: station

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop {
                position: 0
                color: "#0b1340"
            }
            GradientStop {
                position: 0.7
                color: "#283593"
            }
            GradientStop {
                position: 1
                color: "#3949ab"
            }
        }
    }

    Repeater {
        model: 40
        Rectangle {
            id: star
            required property int index
            x: (index * 193) % station.width
            y: (index * 97) % (station.height - 100)
            width: 2 + index % 3
            height: width
            radius: width / 2
            color: Theme.white
            SequentialAnimation on opacity {
                loops: Animation.Infinite
                NumberAnimation {
                    to: 0.2
                    duration: 700 + (star.index % 7) * 210
                }
                NumberAnimation {
                    to: 1
                    duration: 700 + (star.index % 5) * 260
                }
            }
        }
    }

    Item {
        x: 600
        y: 430
        width: 150
        height: 150
        Rectangle {
            anchors.fill: parent
            radius: 75
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: "#ffb74d"
                }
                GradientStop {
                    position: 1
                    color: "#e65100"
                }
            }
        }
        Rectangle {
            anchors.centerIn: parent
            width: 230
            height: 40
            radius: 20
            rotation: -18
            color: "transparent"
            border.color: "#ffe0b2"
            border.width: 6
        }
    }

    Rectangle {
        x: 40
        y: 470
        width: 60
        height: 60
        radius: 30
        color: "#b0bec5"
        border.color: "#78909c"
        border.width: 3
        Rectangle {
            x: 14
            y: 16
            width: 12
            height: 12
            radius: 6
            color: "#90a4ae"
        }
        Rectangle {
            x: 34
            y: 34
            width: 9
            height: 9
            radius: 4.5
            color: "#90a4ae"
        }
    }

    Item {
        id: rocket
        width: 70
        height: 26
        y: 84
        SequentialAnimation on x {
            loops: Animation.Infinite
            PauseAnimation {
                duration: 3000
            }
            NumberAnimation {
                from: -90
                to: station.width + 20
                duration: 4200
                easing.type: Easing.InOutQuad
            }
            PauseAnimation {
                duration: 5000
            }
        }
        Rectangle {
            x: 10
            width: 50
            height: 26
            radius: 13
            color: "#eceff1"
            border.color: "#90a4ae"
            border.width: 2
            Rectangle {
                x: 26
                y: 7
                width: 12
                height: 12
                radius: 6
                color: Theme.seaLight
                border.color: "#546e7a"
                border.width: 2
            }
        }
        Rectangle {
            x: 52
            y: 5
            width: 18
            height: 16
            radius: 8
            color: Theme.leave
        }
        Rectangle {
            x: -6
            y: 7
            width: 18
            height: 12
            radius: 6
            color: Theme.sun
            SequentialAnimation on width {
                loops: Animation.Infinite
                NumberAnimation {
                    to: 26
                    duration: 120
                }
                NumberAnimation {
                    to: 16
                    duration: 120
                }
            }
        }
    }

    Rectangle {
        y: station.height - 60
        width: station.width
        height: 60
        color: "#607d8b"
        border.color: "#455a64"
        border.width: 3
        Repeater {
            model: 10
            Rectangle {
                id: lamp
                required property int index
                x: 30 + index * 80
                y: 22
                width: 14
                height: 14
                radius: 7
                color: [Theme.sun, Theme.grass, Theme.leave][index % 3]
                SequentialAnimation on opacity {
                    loops: Animation.Infinite
                    PauseAnimation {
                        duration: lamp.index * 150
                    }
                    NumberAnimation {
                        to: 0.25
                        duration: 400
                    }
                    NumberAnimation {
                        to: 1
                        duration: 400
                    }
                    PauseAnimation {
                        duration: 1500 - lamp.index * 150
                    }
                }
            }
        }
    }
}
