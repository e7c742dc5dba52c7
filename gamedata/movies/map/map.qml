// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Xuehai.Movie
import Xuehai.Ui

// The sea of knowledge: islands with one place per subject, three character tests and
// the pig race. The host pans it through the "scroll" clip, opens the clouded regions
// through "_root.Map.mpin.mask2" and "mask3", and answers "rollover" and the return from
// a quiz by setting "progress".
Clip {
    id: root

    width: 620
    height: 470

    readonly property int worldWidth: 1240
    readonly property int worldHeight: 940
    readonly property string playerName: root.vars.name || root.vars.Name || ""

    readonly property var extras: [
        { "kind": "test001", "code": "001", "name": "性格小测试", "region": 1, "x": 290, "y": 250 },
        { "kind": "test002", "code": "002", "name": "学习方式", "region": 1, "x": 780, "y": 270 },
        { "kind": "test003", "code": "003", "name": "兴趣爱好", "region": 1, "x": 540, "y": 490 },
        { "kind": "pig", "code": "", "name": "小猪快跑", "region": 1, "x": 1060, "y": 110 }
    ]
    readonly property var places: subjects.list.map(s => Object.assign({ "kind": "subject" }, s)).concat(extras)

    // What the next "progress" means depends on what was raised before it: a "rollover"
    // answer in percent, or, once the map is shown again after a quiz, the per-mille
    // figure of the subject just played. A test or the pig race also ends with such a
    // figure, for whatever subject "mod" then names, which the map has no use for; the
    // race leaves the map visible, so no "rollover" is raised while it runs.
    property string activity: ""
    property var activityPlace: null
    property bool hiddenDuringActivity: false
    property string askedCode: ""
    property var percents: ({})
    property var pointedPlace: null

    SubjectBook {
        id: subjects
    }

    Timer {
        id: pickCooldown
        interval: 800
    }

    function unlocked(region) {
        return region < 2 || (region === 2 ? mask2.open : mask3.open);
    }

    function point(place) {
        pointedPlace = place;
        if (place.kind === "subject" && unlocked(place.region) && activity !== "other") {
            askedCode = place.code;
            Movie.fscommand("rollover", place.code);
        }
    }

    function pick(place) {
        if (!unlocked(place.region)) {
            (place.region === 2 ? mask2 : mask3).shake();
            return;
        }
        // A double click would otherwise open the same quiz twice.
        if (pickCooldown.running)
            return;
        pickCooldown.start();
        activityPlace = place;
        hiddenDuringActivity = false;
        if (place.kind === "subject") {
            activity = "quiz";
            Movie.setVariable("_root.mod", place.code);
            Movie.fscommand("map", place.code);
        } else if (place.kind === "pig") {
            activity = "other";
            Movie.fscommand("runpig", "");
        } else {
            activity = "other";
            Movie.setVariable("_root.mod", place.code);
            Movie.fscommand("Qmap", "");
        }
    }

    function progressArrived(text) {
        const value = parseInt(text, 10);
        // While the map is hidden the figure is the percent for the quiz being opened.
        if (isNaN(value) || !visible)
            return;
        if (hiddenDuringActivity) {
            if (activity === "quiz") {
                remember(activityPlace.code, Math.floor(value / 10));
                banner.show(activityPlace.name, value);
            }
            activity = "";
            hiddenDuringActivity = false;
            return;
        }
        if (activity === "other") {
            activity = "";
            return;
        }
        // A quiz that never opened leaves the map as it was; this answers a "rollover".
        activity = "";
        remember(askedCode, value);
    }

    function remember(code, percent) {
        const copy = Object.assign({}, percents);
        copy[code] = Math.max(0, Math.min(100, percent));
        percents = copy;
    }

    function lookAt(x, y) {
        world.x = Math.max(width - worldWidth, Math.min(0, width / 2 - x));
        world.y = Math.max(height - worldHeight, Math.min(0, height / 2 - y));
    }

    Component.onCompleted: Movie.setVariable("_root.mod", "001")
    onVariableSet: (name, value) => {
        if (name === "progress")
            progressArrived(value);
    }
    onVisibleChanged: {
        if (!visible && activity !== "")
            hiddenDuringActivity = true;
    }

    Clip {
        id: scroll
        objectName: "scroll"
        anchors.fill: parent
        clip: true

        readonly property int step: 6

        Timer {
            id: scroller
            interval: 16
            repeat: true
            running: scroll.frame >= 1 && scroll.frame <= 4
            onTriggered: {
                const dx = scroll.frame === 3 ? scroll.step : scroll.frame === 4 ? -scroll.step : 0;
                const dy = scroll.frame === 1 ? scroll.step : scroll.frame === 2 ? -scroll.step : 0;
                world.x = Math.max(root.width - root.worldWidth, Math.min(0, world.x + dx));
                world.y = Math.max(root.height - root.worldHeight, Math.min(0, world.y + dy));
            }
        }

        Item {
            id: world
            width: root.worldWidth
            height: root.worldHeight

            IslandCanvas {
                anchors.fill: parent
                places: root.places
                worldWidth: root.worldWidth
                worldHeight: root.worldHeight
                detailed: true
                view: Qt.rect(-world.x, -world.y, root.width, root.height)
                tiles: 6
                moving: dragging.pressed || scroller.running
            }

            MouseArea {
                id: dragging
                anchors.fill: parent
                cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
                drag.target: world
                drag.minimumX: root.width - root.worldWidth
                drag.maximumX: 0
                drag.minimumY: root.height - root.worldHeight
                drag.maximumY: 0
            }

            SeaLife {
                anchors.fill: parent
                fishSpots: [Qt.point(280, 520), Qt.point(545, 300), Qt.point(1195, 360)]
                whaleSpot: Qt.point(775, 705)
            }

            Repeater {
                model: root.places
                MapSite {
                    required property var modelData
                    name: modelData.name
                    kind: modelData.kind
                    centerX: modelData.x
                    centerY: modelData.y
                    locked: !root.unlocked(modelData.region)
                    onEntered: root.point(modelData)
                    onExited: {
                        if (root.pointedPlace === modelData)
                            root.pointedPlace = null;
                    }
                    onPicked: root.pick(modelData)
                }
            }

            Clip {
                objectName: "Map"
                anchors.fill: parent
                Clip {
                    objectName: "mpin"
                    anchors.fill: parent
                    RegionMask {
                        id: mask2
                        objectName: "mask2"
                        notice: "等级5开放"
                        readonly property rect area: root.regionArea(2)
                        x: area.x
                        y: area.y
                        width: area.width
                        height: area.height
                    }
                    RegionMask {
                        id: mask3
                        objectName: "mask3"
                        notice: "等级10开放"
                        readonly property rect area: root.regionArea(3)
                        x: area.x
                        y: area.y
                        width: area.width
                        height: area.height
                    }
                }
            }
        }
    }

    function regionArea(region) {
        const inside = places.filter(p => p.region === region);
        if (inside.length === 0)
            return Qt.rect(0, 0, 0, 0);
        let left = Math.min(...inside.map(p => p.x)) - 120;
        let top = Math.min(...inside.map(p => p.y)) - 110;
        let right = Math.max(...inside.map(p => p.x)) + 120;
        let bottom = Math.max(...inside.map(p => p.y)) + 100;
        // Land near the edge of the world is covered up to the edge, not leaving a strip.
        left = left < 160 ? 0 : left;
        top = top < 160 ? 0 : top;
        right = right > worldWidth - 160 ? worldWidth : right;
        bottom = bottom > worldHeight - 160 ? worldHeight : bottom;
        return Qt.rect(left, top, right - left, bottom - top);
    }

    PlayerCard {
        x: 8
        y: 8
        width: 250
        height: 56
        name: root.playerName
        score: root.vars.score ?? ""
        grade: root.vars["class"] ?? ""
        avatar: root.vars.image ?? "1"
    }

    MiniMap {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8
        places: root.places
        worldWidth: root.worldWidth
        worldHeight: root.worldHeight
        view: Qt.rect(-world.x, -world.y, root.width, root.height)
        lockedAreas: [mask2.open ? Qt.rect(0, 0, 0, 0) : mask2.area, mask3.open ? Qt.rect(0, 0, 0, 0) : mask3.area]
        onJump: (x, y) => root.lookAt(x, y)
    }

    PlaceTip {
        place: root.pointedPlace
        worldOrigin: Qt.point(world.x, world.y)
        locked: root.pointedPlace !== null && !root.unlocked(root.pointedPlace.region)
        percent: root.pointedPlace ? (root.percents[root.pointedPlace.code] ?? -1) : -1
        bounds: Qt.rect(0, 0, root.width, root.height)
    }

    ProgressBanner {
        id: banner
        anchors.horizontalCenter: parent.horizontalCenter
    }

    Text {
        id: hint
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: 10
        text: "把鼠标移到地图边上，地图就会动起来"
        font.family: Theme.font
        font.pixelSize: Theme.smallText
        font.bold: true
        color: Theme.white
        style: Text.Outline
        styleColor: Theme.seaDeep
        SequentialAnimation on opacity {
            PauseAnimation {
                duration: 7000
            }
            NumberAnimation {
                to: 0
                duration: 1200
            }
        }
    }
}
