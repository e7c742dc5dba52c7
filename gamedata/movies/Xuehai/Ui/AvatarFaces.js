// SPDX-License-Identifier: GPL-3.0-or-later
// The twenty player characters, numbered as the avatar list numbers them (1 to 20).
.pragma library
.import "AvatarPen.js" as P

var names = ["小猫", "小狗", "小兔", "小熊", "熊猫", "小猪", "青蛙", "狐狸", "老虎", "猴子",
             "小鸡", "企鹅", "猫头鹰", "考拉", "小老鼠", "狮子", "奶牛", "绵羊", "大象", "小章鱼"];

var badges = ["#ffe0b2", "#d7ccc8", "#f8bbd0", "#ffecb3", "#c8e6c9", "#fce4ec", "#dcedc8",
              "#ffe0b2", "#fff59d", "#d7ccc8", "#fff9c4", "#b3e5fc", "#d1c4e9", "#cfd8dc",
              "#e1bee7", "#ffe082", "#c5e1a5", "#b2ebf2", "#bbdefb", "#f3e5f5"];

function cat(c) {
    P.poly(c, [22, 42, 26, 12, 46, 28], "#ffa94d");
    P.poly(c, [78, 42, 74, 12, 54, 28], "#ffa94d");
    P.poly(c, [28, 34, 29, 20, 40, 28], "#ffc9d0", false);
    P.poly(c, [72, 34, 71, 20, 60, 28], "#ffc9d0", false);
    P.ellipse(c, 50, 56, 32, 28, "#ffa94d");
    P.stripe(c, 50, 29, 50, 38, 3);
    P.stripe(c, 42, 30, 43, 36, 3);
    P.stripe(c, 58, 30, 57, 36, 3);
    P.eyes(c, 54, 12, 4.5);
    P.poly(c, [47, 62, 53, 62, 50, 65], "#ff7b8a", 1.5);
    P.smile(c, 50, 66, 6);
    P.blush(c, 64, 20);
    P.stripe(c, 16, 60, 30, 62, 1.5);
    P.stripe(c, 84, 60, 70, 62, 1.5);
}

function dog(c) {
    P.ellipse(c, 50, 54, 30, 30, "#e8c08a");
    P.ellipse(c, 22, 56, 10, 20, "#8d5a2b", 2.4, 0.25);
    P.ellipse(c, 78, 56, 10, 20, "#8d5a2b", 2.4, -0.25);
    P.ellipse(c, 62, 46, 9, 8, "#fff3dc", false);
    P.eyes(c, 50, 11, 4.2);
    P.ellipse(c, 50, 66, 12, 9, "#fff3dc");
    P.ellipse(c, 50, 62, 5, 3.5, P.outline, false);
    P.openMouth(c, 50, 69, 4);
}

function rabbit(c) {
    P.ellipse(c, 38, 24, 7, 20, "#ffffff", 2.4, -0.15);
    P.ellipse(c, 62, 24, 7, 20, "#ffffff", 2.4, 0.15);
    P.ellipse(c, 38, 25, 3.5, 14, "#ffb6c8", false, -0.15);
    P.ellipse(c, 62, 25, 3.5, 14, "#ffb6c8", false, 0.15);
    P.ellipse(c, 50, 62, 29, 26, "#ffffff");
    P.eyes(c, 58, 11, 4.2);
    P.ellipse(c, 50, 66, 3, 2, "#ff7b8a", false);
    P.smile(c, 50, 69, 5);
    P.blush(c, 68, 19);
    P.poly(c, [46, 72, 54, 72, 54, 77, 46, 77], "#ffffff", 1.5);
}

function bear(c) {
    P.circle(c, 26, 30, 11, "#a86b3c");
    P.circle(c, 74, 30, 11, "#a86b3c");
    P.circle(c, 26, 30, 5, "#e8b48a", false);
    P.circle(c, 74, 30, 5, "#e8b48a", false);
    P.ellipse(c, 50, 56, 32, 29, "#a86b3c");
    P.ellipse(c, 50, 66, 13, 10, "#e8b48a");
    P.eyes(c, 52, 12, 4.2);
    P.ellipse(c, 50, 62, 5, 3.5, P.outline, false);
    P.smile(c, 50, 67, 5);
}

function panda(c) {
    P.circle(c, 26, 30, 10, "#2f2f2f");
    P.circle(c, 74, 30, 10, "#2f2f2f");
    P.ellipse(c, 50, 56, 32, 29, "#ffffff");
    P.ellipse(c, 37, 53, 8, 10, "#2f2f2f", false, 0.5);
    P.ellipse(c, 63, 53, 8, 10, "#2f2f2f", false, -0.5);
    P.circle(c, 38, 52, 3.5, "#ffffff", false);
    P.circle(c, 62, 52, 3.5, "#ffffff", false);
    P.circle(c, 38, 52, 2, P.outline, false);
    P.circle(c, 62, 52, 2, P.outline, false);
    P.ellipse(c, 50, 64, 4, 3, P.outline, false);
    P.smile(c, 50, 68, 5);
    P.blush(c, 67, 21);
}

function pig(c) {
    P.poly(c, [24, 38, 22, 16, 42, 28], "#ff9fb5");
    P.poly(c, [76, 38, 78, 16, 58, 28], "#ff9fb5");
    P.ellipse(c, 50, 56, 32, 28, "#ffb3c6");
    P.eyes(c, 48, 13, 4);
    P.ellipse(c, 50, 63, 12, 9, "#ff8fa8");
    P.ellipse(c, 46, 63, 2.2, 3.5, "#b3476a", false);
    P.ellipse(c, 54, 63, 2.2, 3.5, "#b3476a", false);
    P.grin(c, 50, 70, 6);
    P.blush(c, 62, 22);
}

function frog(c) {
    P.ellipse(c, 50, 60, 34, 25, "#7bd15a");
    P.circle(c, 33, 36, 12, "#7bd15a");
    P.circle(c, 67, 36, 12, "#7bd15a");
    P.bigEye(c, 33, 36, 8);
    P.bigEye(c, 67, 36, 8);
    P.ellipse(c, 50, 60, 26, 17, "#9de37f", false);
    c.beginPath();
    c.arc(50, 56, 18, 0.15 * Math.PI, 0.85 * Math.PI, false);
    P.shape(c, null, 2.4);
    P.blush(c, 62, 24);
}

function fox(c) {
    P.poly(c, [20, 46, 24, 12, 44, 32], "#ff8a3d");
    P.poly(c, [80, 46, 76, 12, 56, 32], "#ff8a3d");
    P.poly(c, [27, 34, 27, 20, 38, 30], P.outline, false);
    P.poly(c, [73, 34, 73, 20, 62, 30], P.outline, false);
    P.poly(c, [18, 48, 50, 28, 82, 48, 62, 76, 50, 82, 38, 76], "#ff8a3d");
    P.poly(c, [26, 56, 44, 58, 50, 82, 38, 76], "#fff6ea", false);
    P.poly(c, [74, 56, 56, 58, 50, 82, 62, 76], "#fff6ea", false);
    P.eyes(c, 52, 12, 4);
    P.circle(c, 50, 77, 3.5, P.outline, false);
}

function tiger(c) {
    P.circle(c, 26, 30, 10, "#ffa726");
    P.circle(c, 74, 30, 10, "#ffa726");
    P.circle(c, 26, 30, 4.5, "#fff3dc", false);
    P.circle(c, 74, 30, 4.5, "#fff3dc", false);
    P.ellipse(c, 50, 56, 33, 29, "#ffa726");
    P.stripe(c, 42, 31, 58, 31, 2.5);
    P.stripe(c, 43, 36, 57, 36, 2.5);
    P.stripe(c, 50, 31, 50, 41, 2.5);
    P.stripe(c, 42, 41, 58, 41, 2.5);
    P.stripe(c, 18, 52, 27, 54, 3);
    P.stripe(c, 82, 52, 73, 54, 3);
    P.ellipse(c, 50, 67, 14, 9, "#fff3dc", false);
    P.eyes(c, 51, 12, 4.2);
    P.poly(c, [45, 61, 55, 61, 50, 66], "#ff7b8a", 1.5);
    P.smile(c, 50, 67, 6);
}

function monkey(c) {
    P.circle(c, 17, 54, 10, "#e8b48a");
    P.circle(c, 83, 54, 10, "#e8b48a");
    P.ellipse(c, 50, 52, 31, 31, "#8d5a2b");
    P.ellipse(c, 41, 50, 12, 13, "#f3d2ae", false);
    P.ellipse(c, 59, 50, 12, 13, "#f3d2ae", false);
    P.ellipse(c, 50, 67, 20, 13, "#f3d2ae", false);
    P.eyes(c, 50, 9, 4);
    P.circle(c, 47, 62, 1.3, P.outline, false);
    P.circle(c, 53, 62, 1.3, P.outline, false);
    P.grin(c, 50, 66, 9);
}

function chick(c) {
    P.ellipse(c, 44, 22, 4, 9, "#ffd54f", 2, -0.4);
    P.ellipse(c, 54, 21, 4, 10, "#ffd54f", 2, 0.3);
    P.circle(c, 50, 56, 32, "#ffe066");
    P.eyes(c, 50, 12, 4.5);
    P.poly(c, [42, 60, 58, 60, 50, 71], "#ff9800", 2);
    P.stripe(c, 43, 61, 57, 61, 1.5);
    P.blush(c, 62, 22);
}

function penguin(c) {
    P.ellipse(c, 50, 54, 33, 32, "#263238");
    P.ellipse(c, 40, 58, 13, 19, "#ffffff", false);
    P.ellipse(c, 60, 58, 13, 19, "#ffffff", false);
    P.ellipse(c, 50, 70, 16, 12, "#ffffff", false);
    P.eyes(c, 54, 10, 4);
    P.ellipse(c, 50, 63, 7, 4, "#ff9800", 2);
    P.blush(c, 64, 18);
}

function owl(c) {
    P.poly(c, [20, 40, 24, 14, 40, 30], "#8d6e63");
    P.poly(c, [80, 40, 76, 14, 60, 30], "#8d6e63");
    P.ellipse(c, 50, 56, 32, 30, "#8d6e63");
    P.bigEye(c, 37, 50, 12, "#fff3dc");
    P.bigEye(c, 63, 50, 12, "#fff3dc");
    P.poly(c, [45, 60, 55, 60, 50, 71], "#ffb300", 2);
    P.ellipse(c, 50, 78, 12, 5, "#bcaaa4", false);
}

function koala(c) {
    P.circle(c, 20, 38, 16, "#9eaab2");
    P.circle(c, 80, 38, 16, "#9eaab2");
    P.circle(c, 20, 38, 9, "#f0e6ef", false);
    P.circle(c, 80, 38, 9, "#f0e6ef", false);
    P.ellipse(c, 50, 56, 30, 28, "#b0bec5");
    P.eyes(c, 50, 13, 4);
    P.ellipse(c, 50, 61, 7, 10, "#37474f");
    P.smile(c, 50, 73, 5);
    P.blush(c, 64, 21);
}

function mouse(c) {
    P.circle(c, 24, 30, 16, "#b0b7bf");
    P.circle(c, 76, 30, 16, "#b0b7bf");
    P.circle(c, 24, 30, 9, "#ffc1cc", false);
    P.circle(c, 76, 30, 9, "#ffc1cc", false);
    P.ellipse(c, 50, 60, 27, 25, "#c5ccd3");
    P.eyes(c, 56, 11, 4);
    P.circle(c, 50, 66, 3.5, "#ff7b8a", 1.5);
    P.stripe(c, 22, 64, 38, 66, 1.3);
    P.stripe(c, 78, 64, 62, 66, 1.3);
    P.stripe(c, 24, 72, 38, 69, 1.3);
    P.stripe(c, 76, 72, 62, 69, 1.3);
    P.smile(c, 50, 70, 4);
}

function lion(c) {
    for (var i = 0; i < 12; ++i) {
        var a = i * Math.PI / 6;
        P.circle(c, 50 + Math.cos(a) * 33, 54 + Math.sin(a) * 33, 11, "#d9822b");
    }
    P.circle(c, 50, 54, 33, "#d9822b", false);
    P.circle(c, 32, 32, 6, "#ffca6b");
    P.circle(c, 68, 32, 6, "#ffca6b");
    P.circle(c, 50, 56, 25, "#ffca6b");
    P.eyes(c, 52, 9, 3.8);
    P.ellipse(c, 50, 63, 10, 6, "#fff0cc", false);
    P.poly(c, [46, 60, 54, 60, 50, 64], "#8d4f2b", 1.5);
    P.smile(c, 50, 65, 5);
}

function cow(c) {
    P.poly(c, [26, 30, 18, 14, 34, 24], "#fff3dc", 2);
    P.poly(c, [74, 30, 82, 14, 66, 24], "#fff3dc", 2);
    P.ellipse(c, 17, 44, 10, 6, "#ffffff", 2.4, 0.3);
    P.ellipse(c, 83, 44, 10, 6, "#ffffff", 2.4, -0.3);
    P.ellipse(c, 50, 52, 29, 29, "#ffffff");
    P.ellipse(c, 36, 38, 9, 7, "#3e3e3e", false, 0.4);
    P.ellipse(c, 66, 46, 6, 5, "#3e3e3e", false);
    P.eyes(c, 49, 11, 4);
    P.ellipse(c, 50, 70, 20, 12, "#ffb3c6");
    P.ellipse(c, 43, 69, 2.5, 3.5, "#b3476a", false);
    P.ellipse(c, 57, 69, 2.5, 3.5, "#b3476a", false);
}

function sheep(c) {
    for (var i = 0; i < 10; ++i) {
        var a = i * Math.PI / 5;
        P.circle(c, 50 + Math.cos(a) * 28, 52 + Math.sin(a) * 26, 12, "#ffffff");
    }
    P.circle(c, 50, 52, 28, "#ffffff", false);
    P.ellipse(c, 24, 56, 9, 5, "#6d4c41", 2, 0.4);
    P.ellipse(c, 76, 56, 9, 5, "#6d4c41", 2, -0.4);
    P.ellipse(c, 50, 60, 17, 20, "#6d4c41");
    P.circle(c, 43, 38, 6, "#ffffff", 2);
    P.circle(c, 50, 35, 7, "#ffffff", 2);
    P.circle(c, 57, 38, 6, "#ffffff", 2);
    P.eye(c, 43, 56, 3.6);
    P.eye(c, 57, 56, 3.6);
    c.beginPath();
    c.arc(50, 66, 5, 0.15 * Math.PI, 0.85 * Math.PI, false);
    c.lineWidth = 2;
    c.strokeStyle = "#ffffff";
    c.stroke();
}

function elephant(c) {
    P.ellipse(c, 20, 52, 17, 23, "#90a4ce", 2.4, 0.2);
    P.ellipse(c, 80, 52, 17, 23, "#90a4ce", 2.4, -0.2);
    P.ellipse(c, 20, 52, 10, 15, "#f8bbd0", false, 0.2);
    P.ellipse(c, 80, 52, 10, 15, "#f8bbd0", false, -0.2);
    c.beginPath();
    c.moveTo(43, 58);
    c.quadraticCurveTo(41, 80, 52, 88);
    c.lineTo(59, 84);
    c.quadraticCurveTo(52, 76, 57, 58);
    c.closePath();
    P.shape(c, "#a7b8dc");
    P.ellipse(c, 50, 48, 25, 25, "#a7b8dc");
    P.ellipse(c, 50, 66, 6.5, 8, "#a7b8dc", false);
    P.eyes(c, 46, 10, 3.8);
    P.blush(c, 58, 17);
}

function octopus(c) {
    for (var i = 0; i < 5; ++i) {
        var x = 26 + i * 12;
        P.ellipse(c, x, 78, 6, 12, "#b57edc", 2.2, (i - 2) * 0.25);
    }
    P.ellipse(c, 50, 50, 31, 30, "#c792ea");
    P.circle(c, 38, 30, 5, "#dcb8f5", false);
    P.circle(c, 30, 40, 3, "#dcb8f5", false);
    P.eyes(c, 52, 11, 4.5);
    P.ellipse(c, 50, 66, 4, 3.5, "#e0505a", 2);
    P.blush(c, 62, 21);
}

var painters = [cat, dog, rabbit, bear, panda, pig, frog, fox, tiger, monkey,
                chick, penguin, owl, koala, mouse, lion, cow, sheep, elephant, octopus];

// Avatar numbers come from a list of "1" to "20", but a stored number may be anything;
// out of range numbers wrap around instead of drawing nothing.
function index(number) {
    var n = Math.floor(Number(number));
    if (!isFinite(n) || n < 1)
        return 0;
    return (n - 1) % painters.length;
}

function paint(ctx, number) {
    painters[index(number)](ctx);
}
