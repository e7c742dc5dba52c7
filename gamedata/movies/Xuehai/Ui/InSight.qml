// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// Whether the movie control showing item can be seen: not while it is hidden, minimised or
// covered by another screen (but for a glimpse of its edge, kept as a still picture). What an
// item paints for itself alone may go while seen is false, to be painted again after.
QtObject {
    id: sight

    required property Item item
    // Counts the changes of sight, for seen to look again at each.
    property int looks: 0
    readonly property bool seen: looks >= 0 && item.Window.window !== null && Drawing.seen(item)

    readonly property Connections watch: Connections {
        target: Drawing
        function onSightChanged() {
            sight.looks++;
        }
    }
}
