// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A rounded rectangle of one colour that the software renderer fills in one piece. It pieces
// a plain rounded rectangle (and its border) together from corner images and straight
// parts, which leave light seams between them on a scaled picture; a gradient it fills
// whole.
Rectangle {
    property color fill

    gradient: Gradient {
        GradientStop {
            position: 0
            color: fill
        }
        GradientStop {
            position: 1
            color: fill
        }
    }
}
