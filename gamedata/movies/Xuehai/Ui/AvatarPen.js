// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers for the avatar characters: every shape is given in a 100 by 100
// box and outlined in the same soft brown, which keeps the twenty faces one family.
.pragma library

var outline = "#4a2b12";

function shape(ctx, fill, line) {
    if (fill) {
        ctx.fillStyle = fill;
        ctx.fill();
    }
    if (line !== false) {
        ctx.lineWidth = line || 2.4;
        ctx.strokeStyle = outline;
        ctx.stroke();
    }
}

function ellipse(ctx, x, y, rx, ry, fill, line, turn) {
    ctx.save();
    ctx.translate(x, y);
    if (turn)
        ctx.rotate(turn);
    ctx.scale(rx, ry);
    ctx.beginPath();
    ctx.arc(0, 0, 1, 0, Math.PI * 2, false);
    ctx.restore();
    shape(ctx, fill, line);
}

function circle(ctx, x, y, r, fill, line) {
    ellipse(ctx, x, y, r, r, fill, line);
}

function poly(ctx, points, fill, line) {
    ctx.beginPath();
    ctx.moveTo(points[0], points[1]);
    for (var i = 2; i < points.length; i += 2)
        ctx.lineTo(points[i], points[i + 1]);
    ctx.closePath();
    shape(ctx, fill, line);
}

function eye(ctx, x, y, r) {
    circle(ctx, x, y, r, outline, false);
    circle(ctx, x - r * 0.35, y - r * 0.4, r * 0.38, "#ffffff", false);
}

function eyes(ctx, y, gap, r) {
    eye(ctx, 50 - gap, y, r || 4);
    eye(ctx, 50 + gap, y, r || 4);
}

function bigEye(ctx, x, y, r, ring) {
    circle(ctx, x, y, r, ring || "#ffffff");
    eye(ctx, x, y, r * 0.55);
}

function smile(ctx, x, y, w) {
    ctx.beginPath();
    ctx.arc(x - w / 2, y, w / 2, 0.15 * Math.PI, 0.85 * Math.PI, false);
    ctx.moveTo(x + w, y);
    ctx.arc(x + w / 2, y, w / 2, 0.15 * Math.PI, 0.85 * Math.PI, false);
    shape(ctx, null, 2);
}

function grin(ctx, x, y, w) {
    ctx.beginPath();
    ctx.arc(x, y, w, 0.1 * Math.PI, 0.9 * Math.PI, false);
    shape(ctx, null, 2.2);
}

function openMouth(ctx, x, y, r) {
    ctx.beginPath();
    ctx.arc(x, y, r, 0, Math.PI, false);
    ctx.closePath();
    shape(ctx, "#e0505a", 2);
}

function blush(ctx, y, gap) {
    ellipse(ctx, 50 - gap, y, 5, 3, "#ff9aa8", false);
    ellipse(ctx, 50 + gap, y, 5, 3, "#ff9aa8", false);
}

function stripe(ctx, x1, y1, x2, y2, width) {
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.lineCap = "round";
    ctx.lineWidth = width;
    ctx.strokeStyle = outline;
    ctx.stroke();
}
