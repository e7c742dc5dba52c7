// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A shower of paper bits and stars that falls over its area once per burst(), for a
// right answer or a won battle.
Item {
    id: confetti

    property int pieces: 36
    readonly property var colors: [Theme.sun, Theme.coral, Theme.berry, Theme.grass, Theme.sky, Theme.grape, Theme.calm]

    function burst() {
        for (let i = 0; i < bits.count; ++i)
            bits.itemAt(i).fall();
    }

    clip: true

    Repeater {
        id: bits

        model: confetti.pieces

        Rectangle {
            id: bit

            required property int index

            function fall() {
                x = Math.random() * confetti.width;
                width = 8 + Math.random() * 8;
                height = width * (0.4 + Math.random() * 0.5);
                rotation = Math.random() * 360;
                drop.from = -20 - Math.random() * confetti.height * 0.6;
                drop.to = confetti.height + 20;
                drop.duration = 1600 + Math.random() * 1400;
                sway.from = x;
                sway.to = x + (Math.random() - 0.5) * 160;
                sway.duration = drop.duration;
                spin.to = rotation + (Math.random() < 0.5 ? -1 : 1) * (360 + Math.random() * 540);
                spin.duration = drop.duration;
                motion.restart();
            }

            y: -40
            radius: index % 3 === 0 ? width / 2 : 2
            color: confetti.colors[index % confetti.colors.length]
            visible: motion.running

            ParallelAnimation {
                id: motion

                NumberAnimation {
                    id: drop
                    target: bit
                    property: "y"
                    easing.type: Easing.InQuad
                }
                NumberAnimation {
                    id: sway
                    target: bit
                    property: "x"
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    id: spin
                    target: bit
                    property: "rotation"
                }
            }
        }
    }
}
