// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie

// Its content drawn once into an image, which then moves, turns and fades for the price of
// copying a picture instead of drawing curves, outlines and glyphs again each frame. Children
// go into the image; they see it as their parent, the same size as this item. One that only
// ever slides may set smooth false: it is then copied pixel for pixel. Content that changes
// after it was drawn calls refresh(); a new size or scale draws it again by itself. While live
// is true the content draws itself (an entrance that animates it), and is drawn once when live
// turns false again. While it cannot be seen (hidden, in a level that is, or in a movie control
// covered but for a glimpse, or minimised) it lets its picture go, and takes it again when it
// shows.
//
// Not a layer (layer.enabled): Qt 6.4's software renderer copies every layer anew each frame
// in which anything else on the screen moves, and everything under and over it with it. A
// still picture taken once is copied only where something changed.
Item {
    id: cached

    default property alias content: drawn.data

    property bool live: false
    // Whether the image shows what the content looks like now, at this size and scale.
    property bool stale: true

    function refresh() {
        stale = true;
        Qt.callLater(capture);
    }

    function capture() {
        if (!stale || live || !visible || width <= 0 || height <= 0 || !Drawing.canCapture(picture))
            return; // Taken once it and its movie control show.
        const ratio = Drawing.ratio;
        const size = Qt.size(Math.max(1, Math.round(width * ratio)), Math.max(1, Math.round(height * ratio)));
        // Until the picture is taken the content draws itself.
        picture.visible = true;
        image.visible = false;
        stale = false;
        picture.grabToImage(function (shot) {
            image.source = shot.url;
            if (image.status !== Image.Ready) {
                stale = true; // Nothing was taken: the content goes on drawing itself.
                return;
            }
            image.visible = true;
            picture.visible = false;
        }, size);
    }

    onLiveChanged: {
        if (live) {
            picture.visible = true;
            image.visible = false;
        }
        refresh();
    }
    function release() {
        if (image.source == "")
            return;
        image.source = "";
        image.visible = false;
        picture.visible = true;
        stale = true;
    }

    onVisibleChanged: visible ? refresh() : release()
    onWidthChanged: refresh()
    onHeightChanged: refresh()
    Component.onCompleted: refresh()

    Connections {
        target: Drawing
        function onChanged() {
            cached.refresh();
        }
        function onShown() {
            Qt.callLater(cached.capture);
        }
    }

    InSight {
        id: sight
        item: cached
        onSeenChanged: {
            if (!seen)
                cached.release();
            else if (cached.stale)
                Qt.callLater(cached.capture);
        }
    }

    Item {
        id: picture
        width: cached.width
        height: cached.height
        // Qt 6.4's software renderer leaves a picture's background uncleared, pale, where a
        // plain opaque fill is part of it; under an opacity just short of 1 nothing is opaque,
        // and the fills look the same.
        Item {
            id: drawn
            anchors.fill: parent
            opacity: 0.999
        }
    }

    Image {
        id: image
        anchors.fill: parent
        visible: false
        cache: false
        smooth: cached.smooth
    }
}
