// SPDX-License-Identifier: GPL-3.0-or-later
// The map's sea and islands, grown from the places on it: every place stands on a round
// patch of land, and places of the same region that lie close together are joined, so a
// new subject in the list brings its own land with it.
.pragma library

var reach = 250;

// Whether a box around (x, y) reaching r each way meets the area being painted; what lies
// wholly outside it is skipped, so painting one tile of the world costs little.
function near(area, x, y, r) {
    r += 2; // the soft edge of a shape
    return x + r > area.x && x - r < area.x + area.width && y + r > area.y && y - r < area.y + area.height;
}

function nearSegment(area, a, b, r) {
    return near(area, (a.x + b.x) / 2, (a.y + b.y) / 2, Math.abs(a.x - b.x) / 2 + Math.abs(a.y - b.y) / 2 + r);
}

function links(places) {
    var out = [];
    for (var i = 0; i < places.length; ++i) {
        for (var j = i + 1; j < places.length; ++j) {
            var a = places[i], b = places[j];
            if (a.region === b.region && Math.hypot(a.x - b.x, a.y - b.y) < reach)
                out.push([a, b]);
        }
    }
    return out;
}

function layer(c, area, places, joins, radius, width, color) {
    c.fillStyle = color;
    c.strokeStyle = color;
    c.lineCap = "round";
    c.lineWidth = width;
    for (var i = 0; i < joins.length; ++i) {
        if (!nearSegment(area, joins[i][0], joins[i][1], width / 2))
            continue;
        c.beginPath();
        c.moveTo(joins[i][0].x, joins[i][0].y);
        c.lineTo(joins[i][1].x, joins[i][1].y);
        c.stroke();
    }
    for (var k = 0; k < places.length; ++k) {
        if (!near(area, places[k].x, places[k].y, radius))
            continue;
        c.beginPath();
        c.arc(places[k].x, places[k].y, radius, 0, Math.PI * 2, false);
        c.fill();
    }
}

// A fixed sequence, so the trees and ripples stay where they were on every paint.
function sequence(seed) {
    var state = seed;
    return function () {
        state = (state * 1103515245 + 12345) % 2147483648;
        return state / 2147483648;
    };
}

function distanceToSegment(px, py, a, b) {
    var dx = b.x - a.x, dy = b.y - a.y;
    var t = ((px - a.x) * dx + (py - a.y) * dy) / (dx * dx + dy * dy);
    t = Math.max(0, Math.min(1, t));
    return Math.hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

function onGrass(x, y, places, joins) {
    for (var i = 0; i < places.length; ++i) {
        if (Math.hypot(x - places[i].x, y - places[i].y) < 78)
            return true;
    }
    for (var j = 0; j < joins.length; ++j) {
        if (distanceToSegment(x, y, joins[j][0], joins[j][1]) < 52)
            return true;
    }
    return false;
}

function clearOfPlaces(x, y, places) {
    for (var i = 0; i < places.length; ++i) {
        if (Math.abs(x - places[i].x) < 70 && y - places[i].y > -90 && y - places[i].y < 80)
            return false;
    }
    return true;
}

function ripples(c, area, w, h) {
    var next = sequence(7);
    c.strokeStyle = "rgba(255,255,255,0.55)";
    c.lineWidth = 3;
    c.lineCap = "round";
    for (var i = 0; i < 70; ++i) {
        var x = next() * w, y = next() * h;
        if (!near(area, x + 8, y, 30))
            continue;
        c.beginPath();
        c.arc(x, y, 9, 1.15 * Math.PI, 1.85 * Math.PI, false);
        c.arc(x + 16, y, 9, 1.15 * Math.PI, 1.85 * Math.PI, false);
        c.stroke();
    }
}

function roads(c, area, joins) {
    c.fillStyle = "#f3dca6";
    for (var i = 0; i < joins.length; ++i) {
        var a = joins[i][0], b = joins[i][1];
        if (!nearSegment(area, a, b, 40))
            continue;
        var steps = Math.floor(Math.hypot(b.x - a.x, b.y - a.y) / 18);
        for (var s = 2; s < steps - 1; ++s) {
            var t = s / steps;
            c.beginPath();
            c.arc(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + 26, 4.5, 0, Math.PI * 2, false);
            c.fill();
        }
    }
}

function tree(c, x, y, size, kind) {
    c.fillStyle = "#8d5a2b";
    c.fillRect(x - size * 0.1, y - size * 0.2, size * 0.2, size * 0.45);
    var greens = ["#4e8f2a", "#66bb6a", "#2e7d32"];
    c.fillStyle = greens[kind % 3];
    c.strokeStyle = "#2f5a1b";
    c.lineWidth = 2;
    c.beginPath();
    if (kind % 2) {
        c.moveTo(x, y - size);
        c.lineTo(x + size * 0.45, y - size * 0.1);
        c.lineTo(x - size * 0.45, y - size * 0.1);
        c.closePath();
    } else {
        c.arc(x, y - size * 0.5, size * 0.42, 0, Math.PI * 2, false);
    }
    c.fill();
    c.stroke();
}

function trees(c, area, places, joins, w, h) {
    var next = sequence(42);
    for (var i = 0; i < 420; ++i) {
        var x = next() * w, y = next() * h, size = 22 + next() * 14, kind = Math.floor(next() * 6);
        if (near(area, x, y, size + 4) && onGrass(x, y, places, joins) && clearOfPlaces(x, y, places))
            tree(c, x, y, size, kind);
    }
}

// Paints the world, or the part of it in area (world units) when given.
function paint(c, places, w, h, detailed, area) {
    area = area || Qt.rect(0, 0, w, h);
    var sea = c.createLinearGradient(0, 0, 0, h);
    sea.addColorStop(0, "#4fc3f7");
    sea.addColorStop(1, "#1e88e5");
    c.fillStyle = sea;
    // Past the area's edges, so that a tile's last partly covered pixels are sea too.
    c.fillRect(area.x - 2, area.y - 2, area.width + 4, area.height + 4);
    var joins = links(places);
    if (detailed)
        ripples(c, area, w, h);
    layer(c, area, places, joins, 122, 200, "rgba(227,247,255,0.6)");
    layer(c, area, places, joins, 106, 168, "#ffe3a3");
    layer(c, area, places, joins, 90, 134, "#7cc242");
    if (!detailed)
        return;
    layer(c, area, places, [], 60, 0, "#8fd356");
    roads(c, area, joins);
    trees(c, area, places, joins, w, h);
}
