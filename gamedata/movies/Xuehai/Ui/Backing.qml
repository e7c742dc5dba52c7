// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// An opaque square laid under a rounded panel (declared just before the panel, so the
// panel is drawn over it), `inset` in from each of the panel's edges so that its opaque rim
// and fill hide the square. Qt's software renderer draws nothing that lies behind an
// opaque square (a rounded one never counts as opaque), so the scenery moving behind the
// panel is not drawn there, nor the panel again over it.
Rectangle {
    required property Item panel
    property int inset: 10

    x: panel.x + inset
    y: panel.y + inset
    width: panel.width - 2 * inset
    height: panel.height - 2 * inset
    visible: panel.visible
    color: Theme.paper
}
