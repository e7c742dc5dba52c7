// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The bubble over the place the pointer rests on: the subject and how much of it the
// player has done, or why the place is still closed, or what the place offers.
Rectangle {
    id: tip

    property var place: null
    property point worldOrigin
    property rect bounds
    property bool locked: false
    property int percent: -1

    readonly property bool subject: place !== null && place.kind === "subject"

    visible: place !== null
    width: 190
    height: column.implicitHeight + 20
    radius: 14
    color: Theme.paper
    border.color: Theme.wood
    border.width: 3
    x: place ? Math.max(bounds.x + 4, Math.min(bounds.x + bounds.width - width - 4, worldOrigin.x + place.x - width / 2)) : 0
    y: {
        if (!place)
            return 0;
        const above = worldOrigin.y + place.y - 104 - height;
        return above >= bounds.y + 4 ? above : worldOrigin.y + place.y + 64;
    }

    Column {
        id: column
        x: 12
        y: 10
        width: tip.width - 24
        spacing: 6

        Text {
            width: parent.width
            text: tip.place ? tip.place.name : ""
            horizontalAlignment: Text.AlignHCenter
            font.family: Theme.font
            font.pixelSize: 22
            font.bold: true
            color: Theme.ink
        }

        Item {
            visible: tip.subject && !tip.locked
            width: parent.width
            height: 40
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: tip.percent < 0 ? "完成度 …" : "完成度 " + tip.percent + "%"
                font.family: Theme.font
                font.pixelSize: Theme.smallText
                color: Theme.inkSoft
            }
            Rectangle {
                y: 24
                width: parent.width
                height: 14
                radius: 7
                color: "#e6d5b8"
                Rectangle {
                    width: Math.max(height, parent.width * Math.max(0, tip.percent) / 100)
                    height: parent.height
                    radius: height / 2
                    visible: tip.percent > 0
                    color: Theme.grass
                    Behavior on width {
                        NumberAnimation {
                            duration: 400
                            easing.type: Easing.OutCubic
                        }
                    }
                }
            }
        }

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: {
                if (!tip.place)
                    return "";
                if (tip.locked)
                    return tip.place.region === 2 ? "等级5开放" : "等级10开放";
                if (tip.place.kind === "pig")
                    return "帮小猪吃水果，赢积分！";
                if (tip.place.kind !== "subject")
                    return "点一下，开始测试";
                return "点一下，开始答题";
            }
            font.family: Theme.font
            font.pixelSize: Theme.smallText
            font.bold: tip.locked
            color: tip.locked ? Theme.grape : Theme.calm
        }
    }
}
