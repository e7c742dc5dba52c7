// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Square strips in a rounded Rectangle's rim and fill colours, laid under it (declared just
// before it) along the four lines where Qt's software renderer joins the rectangle's
// corner images to its straight edges. Where the picture is scaled so that those lines
// fall between pixels (an 800 × 585 stage stretched to the control's 600 rows, and again by
// the screen's scale), a redraw of the rectangle can leave one row or column of pixels
// there unpainted; the strips, hidden under the rectangle everywhere else, show the
// rectangle's own colours through it. Where the rectangle is seen through (its own or a
// parent's opacity), the cover must be hidden, or it would show.
Item {
    id: cover

    required property Rectangle target
    readonly property real corner: Math.min(target.radius, width / 2, height / 2)
    readonly property real rim: target.border.width
    readonly property color rimColor: rim > 0 ? target.border.color : target.color

    x: target.x
    y: target.y
    width: target.width
    height: target.height
    scale: target.scale
    visible: target.visible && target.opacity === 1 && corner >= 2

    Rectangle {
        y: cover.corner - 1
        width: cover.width
        height: cover.height - 2 * cover.corner + 2
        color: cover.rimColor
    }
    Rectangle {
        x: cover.corner - 1
        width: cover.width - 2 * cover.corner + 2
        height: cover.height
        color: cover.rimColor
    }
    Rectangle {
        visible: cover.rim > 0
        x: cover.rim
        y: cover.corner - 1
        width: cover.width - 2 * cover.rim
        height: cover.height - 2 * cover.corner + 2
        color: cover.target.color
    }
    Rectangle {
        visible: cover.rim > 0
        x: cover.corner - 1
        y: cover.rim
        width: cover.width - 2 * cover.corner + 2
        height: cover.height - 2 * cover.rim
        color: cover.target.color
    }
}
