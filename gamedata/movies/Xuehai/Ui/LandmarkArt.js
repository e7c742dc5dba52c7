// SPDX-License-Identifier: GPL-3.0-or-later
// The buildings and things that mark the places of the map, each drawn in a 100 by 100
// box standing on its bottom edge. Subjects are found by name, so a subject added to
// the list later still gets a signpost with its first character.
.pragma library
.import "AvatarPen.js" as P
.import "AvatarFaces.js" as Faces

function box(c, x, y, w, h, fill, line) {
    c.beginPath();
    c.rect(x, y, w, h);
    P.shape(c, fill, line);
}

function label(c, text, x, y, size, color) {
    c.font = "bold " + size + "px 'Noto Sans CJK SC'";
    c.textAlign = "center";
    c.textBaseline = "middle";
    c.fillStyle = color || P.outline;
    c.fillText(text, x, y);
}

function star(c, x, y, r, fill) {
    var pts = [];
    for (var i = 0; i < 10; ++i) {
        var a = -Math.PI / 2 + i * Math.PI / 5, rr = i % 2 ? r * 0.45 : r;
        pts.push(x + Math.cos(a) * rr, y + Math.sin(a) * rr);
    }
    P.poly(c, pts, fill, 1.8);
}

function pavilion(c) {
    box(c, 22, 52, 56, 8, "#e0c090");
    box(c, 28, 60, 8, 32, "#e53935");
    box(c, 64, 60, 8, 32, "#e53935");
    box(c, 36, 62, 28, 24, "#fff3dc");
    label(c, "文", 50, 74, 20, "#c62828");
    c.beginPath();
    c.moveTo(8, 52);
    c.quadraticCurveTo(30, 46, 50, 22);
    c.quadraticCurveTo(70, 46, 92, 52);
    c.closePath();
    P.shape(c, "#2e7d32");
    box(c, 18, 90, 64, 6, "#bdbdbd");
}

function clockTower(c) {
    box(c, 34, 34, 32, 60, "#ffcc80");
    P.poly(c, [30, 36, 50, 6, 70, 36], "#5c6bc0");
    P.circle(c, 50, 48, 11, "#ffffff");
    P.stripe(c, 50, 48, 50, 40, 2);
    P.stripe(c, 50, 48, 56, 50, 2);
    box(c, 26, 70, 48, 18, "#fff8e6", 2);
    label(c, "ABC", 50, 79, 14, "#3949ab");
}

function numberBlocks(c) {
    box(c, 14, 62, 32, 32, "#ef5350");
    box(c, 52, 62, 32, 32, "#42a5f5");
    box(c, 33, 28, 32, 32, "#ffca28");
    label(c, "1", 30, 79, 22, "#ffffff");
    label(c, "2", 68, 79, 22, "#ffffff");
    label(c, "3", 49, 45, 22, P.outline);
    P.circle(c, 82, 30, 11, "#66bb6a");
    label(c, "+", 82, 29, 18, "#ffffff");
}

function magnet(c) {
    c.beginPath();
    c.arc(50, 52, 30, Math.PI, 0, false);
    c.lineTo(80, 88);
    c.lineTo(62, 88);
    c.lineTo(62, 52);
    c.arc(50, 52, 12, 0, Math.PI, true);
    c.lineTo(38, 88);
    c.lineTo(20, 88);
    c.closePath();
    P.shape(c, "#e53935");
    box(c, 20, 76, 18, 12, "#eceff1");
    box(c, 62, 76, 18, 12, "#eceff1");
    P.poly(c, [86, 8, 74, 30, 82, 30, 72, 50, 94, 24, 85, 24, 92, 8], "#ffeb3b", 1.8);
}

function flask(c) {
    c.beginPath();
    c.moveTo(42, 14);
    c.lineTo(58, 14);
    c.lineTo(58, 40);
    c.lineTo(82, 86);
    c.quadraticCurveTo(84, 94, 76, 94);
    c.lineTo(24, 94);
    c.quadraticCurveTo(16, 94, 18, 86);
    c.lineTo(42, 40);
    c.closePath();
    P.shape(c, "#e3f2fd");
    P.poly(c, [30, 64, 70, 64, 80, 88, 20, 88], "#66bb6a", false);
    P.circle(c, 40, 76, 4, "#c8e6c9", false);
    P.circle(c, 56, 70, 3, "#c8e6c9", false);
    P.circle(c, 62, 46, 4, "#ffffff", 1.5);
    P.circle(c, 54, 30, 3, "#ffffff", 1.5);
    box(c, 38, 10, 24, 6, "#8d6e63");
}

function globe(c) {
    box(c, 36, 86, 28, 8, "#8d6e63");
    box(c, 47, 74, 6, 14, "#8d6e63", 1.5);
    P.circle(c, 50, 44, 32, "#4fc3f7");
    P.ellipse(c, 38, 34, 12, 9, "#7cc242", false, 0.4);
    P.ellipse(c, 62, 54, 10, 13, "#7cc242", false, -0.3);
    P.ellipse(c, 60, 24, 7, 4, "#7cc242", false);
    P.circle(c, 50, 44, 32, null);
    c.beginPath();
    c.arc(50, 44, 38, 0.6 * Math.PI, 1.4 * Math.PI, false);
    P.shape(c, null, 3);
}

function pagoda(c) {
    var tiers = [[16, 84, 68, 80], [22, 62, 56, 58], [28, 40, 44, 36]];
    for (var i = 0; i < tiers.length; ++i) {
        var t = tiers[i];
        box(c, t[0] + 8, t[1] - 14, t[2] - 16, 16, "#ffe0b2");
        P.poly(c, [t[0], t[3], 50, t[3] - 14, t[0] + t[2], t[3], t[0] + t[2] - 6, t[3] + 4, t[0] + 6, t[3] + 4], "#c62828");
    }
    box(c, 24, 84, 52, 10, "#ffe0b2");
    box(c, 44, 84, 12, 10, "#8d4f2b");
    P.stripe(c, 50, 22, 50, 8, 3);
    P.circle(c, 50, 8, 3, "#ffca28");
}

function trophy(c) {
    c.beginPath();
    c.arc(26, 34, 10, 0.5 * Math.PI, 1.5 * Math.PI, false);
    c.arc(74, 34, 10, 1.5 * Math.PI, 0.5 * Math.PI, false);
    P.shape(c, null, 4);
    c.beginPath();
    c.moveTo(26, 18);
    c.lineTo(74, 18);
    c.quadraticCurveTo(74, 58, 50, 62);
    c.quadraticCurveTo(26, 58, 26, 18);
    P.shape(c, "#ffca28");
    box(c, 45, 60, 10, 14, "#ffb300");
    box(c, 32, 74, 36, 10, "#8d6e63");
    box(c, 26, 84, 48, 10, "#6d4c41");
    star(c, 50, 36, 10, "#fff59d");
}

function tree(c) {
    box(c, 44, 60, 12, 34, "#8d5a2b");
    P.circle(c, 34, 46, 20, "#66bb6a");
    P.circle(c, 66, 46, 20, "#66bb6a");
    P.circle(c, 50, 30, 24, "#7cc242");
    P.circle(c, 38, 36, 5, "#ef5350", 1.5);
    P.circle(c, 62, 26, 5, "#ef5350", 1.5);
    P.circle(c, 66, 52, 5, "#ef5350", 1.5);
    P.ellipse(c, 22, 78, 7, 4, "#ffb74d", 1.5, -0.5);
    P.ellipse(c, 30, 74, 7, 4, "#ffb74d", 1.5, 0.5);
}

function clapper(c) {
    box(c, 14, 44, 72, 48, "#37474f");
    P.poly(c, [12, 40, 84, 20, 88, 32, 16, 52], "#ffffff");
    for (var i = 0; i < 4; ++i)
        P.poly(c, [24 + i * 17, 37 - i * 4.6, 32 + i * 17, 35 - i * 4.6, 36 + i * 17, 46 - i * 4.6, 28 + i * 17, 48 - i * 4.6], "#37474f", false);
    P.circle(c, 50, 68, 14, "#ffca28");
    P.poly(c, [45, 60, 45, 76, 58, 68], "#e53935", 1.5);
}

function balloon(c) {
    P.stripe(c, 38, 62, 42, 78, 1.5);
    P.stripe(c, 62, 62, 58, 78, 1.5);
    box(c, 40, 78, 20, 14, "#a1887f");
    P.ellipse(c, 50, 36, 30, 32, "#ff7043");
    P.ellipse(c, 50, 36, 12, 32, "#ffd54f", false);
    P.ellipse(c, 50, 36, 30, 32, null);
    P.eye(c, 42, 32, 3.5);
    P.eye(c, 58, 32, 3.5);
    P.grin(c, 50, 40, 8);
}

function house(c) {
    box(c, 22, 50, 56, 42, "#fff3dc");
    P.poly(c, [14, 54, 50, 18, 86, 54], "#ef5350");
    box(c, 64, 22, 10, 18, "#8d6e63");
    box(c, 44, 68, 14, 24, "#8d5a2b");
    box(c, 28, 60, 12, 12, "#81d4fa");
    box(c, 62, 60, 12, 12, "#81d4fa");
    c.beginPath();
    c.moveTo(50, 46);
    c.bezierCurveTo(40, 36, 44, 28, 50, 34);
    c.bezierCurveTo(56, 28, 60, 36, 50, 46);
    P.shape(c, "#ec407a", 1.5);
}

function observatory(c) {
    box(c, 20, 58, 60, 36, "#eceff1");
    c.beginPath();
    c.arc(50, 58, 30, Math.PI, 0, false);
    c.closePath();
    P.shape(c, "#7e57c2");
    c.save();
    c.translate(50, 46);
    c.rotate(-0.7);
    box(c, -6, -34, 12, 34, "#455a64");
    c.restore();
    box(c, 42, 74, 16, 20, "#5d4037");
    star(c, 86, 16, 9, "#ffeb3b");
    star(c, 16, 24, 6, "#ffeb3b");
}

function scales(c) {
    box(c, 47, 20, 6, 66, "#8d6e63");
    box(c, 30, 86, 40, 8, "#6d4c41");
    P.stripe(c, 16, 30, 84, 30, 4);
    P.stripe(c, 20, 30, 12, 56, 1.5);
    P.stripe(c, 20, 30, 28, 56, 1.5);
    P.stripe(c, 80, 30, 72, 56, 1.5);
    P.stripe(c, 80, 30, 88, 56, 1.5);
    c.beginPath();
    c.arc(20, 56, 11, 0, Math.PI, false);
    c.closePath();
    P.shape(c, "#ffca28");
    c.beginPath();
    c.arc(80, 56, 11, 0, Math.PI, false);
    c.closePath();
    P.shape(c, "#ffca28");
    P.circle(c, 50, 18, 6, "#ffca28");
}

function computer(c) {
    box(c, 14, 16, 72, 52, "#90a4ae");
    box(c, 20, 22, 60, 40, "#4fc3f7");
    P.eye(c, 40, 38, 4);
    P.eye(c, 60, 38, 4);
    P.grin(c, 50, 44, 8);
    box(c, 42, 68, 16, 10, "#78909c");
    box(c, 18, 80, 64, 12, "#cfd8dc");
    for (var i = 0; i < 6; ++i)
        box(c, 23 + i * 10, 83, 6, 5, "#90a4ae", false);
}

function palette(c) {
    c.beginPath();
    c.moveTo(50, 20);
    c.bezierCurveTo(90, 20, 96, 60, 80, 74);
    c.bezierCurveTo(68, 84, 62, 70, 54, 78);
    c.bezierCurveTo(46, 90, 10, 84, 10, 56);
    c.bezierCurveTo(10, 34, 28, 20, 50, 20);
    P.shape(c, "#ffe0b2");
    P.circle(c, 30, 48, 7, "#e53935", 1.5);
    P.circle(c, 44, 34, 7, "#ffca28", 1.5);
    P.circle(c, 64, 34, 7, "#42a5f5", 1.5);
    P.circle(c, 76, 52, 7, "#66bb6a", 1.5);
    P.circle(c, 34, 68, 7, "#ab47bc", 1.5);
    P.poly(c, [60, 94, 88, 56, 94, 60, 66, 96], "#8d6e63", 1.8);
    P.poly(c, [88, 56, 96, 44, 98, 54, 94, 60], "#e53935", 1.8);
}

function fort(c) {
    box(c, 14, 44, 20, 50, "#bcaaa4");
    box(c, 66, 44, 20, 50, "#bcaaa4");
    box(c, 30, 56, 40, 38, "#d7ccc8");
    for (var i = 0; i < 3; ++i) {
        box(c, 12 + i * 8, 36, 5, 9, "#bcaaa4", 1.5);
        box(c, 64 + i * 8, 36, 5, 9, "#bcaaa4", 1.5);
    }
    c.beginPath();
    c.arc(50, 94, 10, Math.PI, 0, false);
    c.closePath();
    P.shape(c, "#6d4c41");
    P.stripe(c, 50, 56, 50, 12, 2.5);
    P.poly(c, [51, 12, 74, 19, 51, 26], "#e53935", 1.8);
    star(c, 60, 19, 4, "#ffeb3b");
}

function bookStack(c) {
    box(c, 16, 74, 68, 18, "#42a5f5");
    box(c, 22, 56, 60, 18, "#ef5350");
    box(c, 14, 38, 64, 18, "#66bb6a");
    box(c, 20, 78, 56, 4, "#fff8e6", false);
    box(c, 26, 60, 50, 4, "#fff8e6", false);
    box(c, 18, 42, 54, 4, "#fff8e6", false);
    P.poly(c, [58, 38, 66, 38, 66, 22, 62, 26, 58, 22], "#ffca28", 1.5);
}

function crystalBall(c) {
    P.poly(c, [28, 94, 34, 76, 66, 76, 72, 94], "#8d6e63");
    P.circle(c, 50, 46, 32, "#ce93d8");
    P.circle(c, 50, 46, 22, "#e1bee7", false);
    P.ellipse(c, 38, 32, 8, 5, "#ffffff", false, -0.6);
    label(c, "?", 54, 50, 30, "#6a1b9a");
    star(c, 86, 18, 7, "#ffeb3b");
    star(c, 14, 30, 5, "#ffeb3b");
}

function bulb(c) {
    c.beginPath();
    c.arc(50, 38, 28, 0.8 * Math.PI, 0.2 * Math.PI, false);
    c.lineTo(62, 70);
    c.lineTo(38, 70);
    c.closePath();
    P.shape(c, "#fff176");
    box(c, 38, 70, 24, 14, "#b0bec5");
    P.stripe(c, 40, 75, 60, 75, 1.5);
    P.stripe(c, 40, 80, 60, 80, 1.5);
    box(c, 44, 84, 12, 6, "#78909c");
    P.eye(c, 42, 36, 3.5);
    P.eye(c, 58, 36, 3.5);
    P.grin(c, 50, 42, 7);
    for (var i = 0; i < 5; ++i) {
        var a = Math.PI * (1.1 + i * 0.2);
        P.stripe(c, 50 + Math.cos(a) * 34, 38 + Math.sin(a) * 34, 50 + Math.cos(a) * 44, 38 + Math.sin(a) * 44, 3);
    }
}

function kite(c) {
    P.poly(c, [50, 6, 80, 36, 50, 70, 20, 36], "#ff7043");
    P.poly(c, [50, 6, 80, 36, 50, 36], "#ffd54f", false);
    P.poly(c, [50, 36, 20, 36, 50, 70], "#ffd54f", false);
    P.poly(c, [50, 6, 80, 36, 50, 70, 20, 36], null);
    c.beginPath();
    c.moveTo(50, 70);
    c.bezierCurveTo(30, 80, 70, 86, 46, 96);
    P.shape(c, null, 2);
    P.poly(c, [40, 78, 46, 82, 40, 86], "#42a5f5", 1.2);
    P.poly(c, [58, 86, 52, 88, 58, 92], "#66bb6a", 1.2);
}

function barn(c) {
    box(c, 14, 44, 72, 50, "#e53935");
    P.poly(c, [8, 48, 50, 14, 92, 48], "#8d4f2b");
    box(c, 36, 64, 28, 30, "#fff3dc");
    P.stripe(c, 36, 64, 64, 94, 2);
    P.stripe(c, 64, 64, 36, 94, 2);
    c.save();
    c.translate(36, 24);
    c.scale(0.28, 0.28);
    Faces.paint(c, 6);
    c.restore();
}

function signpost(c, name) {
    box(c, 46, 30, 8, 64, "#8d5a2b");
    P.poly(c, [16, 18, 76, 18, 88, 32, 76, 46, 16, 46], "#ffca28");
    label(c, name.length > 0 ? name.charAt(0) : "?", 48, 32, 22);
}

var bySubject = {
    "语文": pavilion, "英语": clockTower, "数学": numberBlocks, "物理": magnet, "化学": flask,
    "地理": globe, "历史": pagoda, "体育": trophy, "生物": tree, "影视": clapper,
    "卡通": balloon, "生活": house, "天文": observatory, "法律": scales, "计算机": computer,
    "艺术": palette, "军事": fort, "名著": bookStack
};

var byKind = { "test001": crystalBall, "test002": bulb, "test003": kite, "pig": barn };

function paint(ctx, kind, name) {
    var painter = byKind[kind] || bySubject[name];
    if (painter)
        painter(ctx);
    else
        signpost(ctx, name);
}
