// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr int kWidth = 638;
constexpr int kHeight = 509;

// Where the report lays its three flat buttons; each caption is painted on a tablet there.
constexpr QRect kPrintButton{473, 328, 120, 49};
constexpr QRect kSaveAsButton{472, 381, 121, 49};
constexpr QRect kExitButton{472, 434, 121, 49};

const QColor kLacquer{143, 45, 24};
const QColor kGold{214, 168, 80};
const QColor kInk{52, 40, 32};

QFont Kai(int pixelSize, bool bold) {
    QFont font(QStringLiteral("AR PL UKai CN"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void PaintParchment(QPainter& painter) {
    QLinearGradient paper(0, 0, kWidth, kHeight);
    paper.setColorAt(0, QColor(247, 232, 196));
    paper.setColorAt(1, QColor(233, 206, 152));
    painter.fillRect(0, 0, kWidth, kHeight, paper);

    // Fibres of the paper, the same on every run.
    std::mt19937 random(936);
    std::uniform_real_distribution<double> x(0, kWidth);
    std::uniform_real_distribution<double> y(0, kHeight);
    std::uniform_real_distribution<double> length(4, 18);
    std::uniform_real_distribution<double> angle(-0.4, 0.4);
    std::uniform_int_distribution<int> alpha(8, 22);
    for (int fibre = 0; fibre < 1600; ++fibre) {
        const QPointF from(x(random), y(random));
        const double a = angle(random);
        const double l = length(random);
        painter.setPen(QPen(QColor(120, 80, 30, alpha(random)), 1));
        painter.drawLine(from, from + QPointF(l * std::cos(a), l * std::sin(a)));
    }

    QRadialGradient age(kWidth / 2.0, kHeight / 2.0, kWidth * 0.62);
    age.setColorAt(0.6, QColor(120, 70, 20, 0));
    age.setColorAt(1, QColor(120, 70, 20, 70));
    painter.fillRect(0, 0, kWidth, kHeight, age);
}

void PaintFrame(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLacquer, 9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(4.5, 4.5, kWidth - 9, kHeight - 9));
    painter.setPen(QPen(kGold, 2));
    painter.drawRect(QRectF(11, 11, kWidth - 22, kHeight - 22));
    painter.setPen(QPen(kLacquer, 1));
    painter.drawRect(QRectF(14.5, 14.5, kWidth - 29, kHeight - 29));
}

// The lighter sheet the report's labels and yellow bars lie on, with faint alternate rows.
void PaintTableSheet(QPainter& painter) {
    const QRectF sheet(18, 20, 314, 470);
    painter.setPen(QPen(QColor(168, 124, 62), 1));
    painter.setBrush(QColor(252, 245, 224, 215));
    painter.drawRoundedRect(sheet, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 190, 120, 70));
    painter.drawRect(QRectF(24, 74, 300, 21));
    for (int row = 0; row < 16; row += 2) {
        painter.setBrush(QColor(230, 200, 140, 40));
        painter.drawRect(QRectF(24, 99 + 24 * row, 300, 21));
    }
}

void PaintTitle(QPainter& painter) {
    painter.setFont(Kai(34, true));
    painter.setPen(kInk);
    painter.drawText(QRectF(344, 26, 214, 48), Qt::AlignCenter, QStringLiteral("成绩报告"));
    painter.setFont(Kai(15, false));
    painter.setPen(QColor(110, 70, 40));
    painter.drawText(QRectF(344, 72, 214, 22), Qt::AlignCenter,
                     QStringLiteral("学海无涯 · 勤为舟楫"));

    // A red name seal beside the title.
    const QRectF seal(566, 32, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 40, 30));
    painter.drawRoundedRect(seal, 4, 4);
    painter.setPen(QPen(QColor(250, 226, 200), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(seal.adjusted(3, 3, -3, -3), 2, 2);
    painter.setFont(Kai(15, true));
    painter.drawText(seal.adjusted(3, 3, -3, -3), Qt::AlignCenter, QStringLiteral("学\n海"));
}

QPainterPath Ridge(double baseY, double height, double phase, double left, double right) {
    QPainterPath path;
    path.moveTo(left, 330);
    for (double px = left; px <= right; px += 4) {
        const double t = (px - left) / (right - left);
        const double rise = height * (0.55 + 0.45 * std::sin(t * 7.0 + phase)) *
                            (0.6 + 0.4 * std::sin(t * 2.3 + phase * 1.7));
        path.lineTo(px, baseY - rise);
    }
    path.lineTo(right, 330);
    path.closeSubpath();
    return path;
}

void PaintBlossom(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 128, 150));
    for (int petal = 0; petal < 5; ++petal) {
        const double a = petal * 2 * std::numbers::pi / 5;
        painter.drawEllipse(centre + QPointF(radius * std::cos(a), radius * std::sin(a)),
                            radius * 0.8, radius * 0.8);
    }
    painter.setBrush(QColor(250, 220, 110));
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
}

// A round moon window onto ink-wash mountains, a red sun and a boat, with a plum branch.
void PaintArtwork(QPainter& painter) {
    const QPointF centre(483, 208);
    const double radius = 100;
    QPainterPath window;
    window.addEllipse(centre, radius, radius);

    painter.save();
    painter.setClipPath(window);
    QLinearGradient sky(0, centre.y() - radius, 0, centre.y() + radius);
    sky.setColorAt(0, QColor(253, 240, 214));
    sky.setColorAt(1, QColor(236, 214, 172));
    painter.fillRect(window.boundingRect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 72, 48, 220));
    painter.drawEllipse(QPointF(528, 162), 18, 18);
    const double left = centre.x() - radius;
    const double right = centre.x() + radius;
    painter.setBrush(QColor(120, 130, 140, 90));
    painter.drawPath(Ridge(236, 90, 0.3, left, right));
    painter.setBrush(QColor(80, 92, 100, 130));
    painter.drawPath(Ridge(262, 70, 2.1, left, right));
    painter.setBrush(QColor(44, 52, 58, 170));
    painter.drawPath(Ridge(286, 44, 4.0, left, right));
    painter.setBrush(QColor(150, 170, 175, 120));
    painter.drawRect(QRectF(left, 282, 2 * radius, 40));
    painter.setPen(QPen(QColor(60, 60, 60, 160), 1));
    for (int wave = 0; wave < 4; ++wave) {
        painter.drawLine(QPointF(420 + wave * 22, 292 + wave * 5),
                         QPointF(436 + wave * 22, 292 + wave * 5));
    }
    QPainterPath boat;
    boat.moveTo(446, 284);
    boat.quadTo(470, 296, 494, 284);
    boat.lineTo(446, 284);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 30, 200));
    painter.drawPath(boat);
    painter.setPen(QPen(QColor(60, 40, 30, 200), 1.5));
    painter.drawLine(QPointF(468, 284), QPointF(468, 262));
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLacquer, 4));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(kGold, 1.5));
    painter.drawEllipse(centre, radius + 4, radius + 4);

    QPainterPath branch;
    branch.moveTo(352, 318);
    branch.cubicTo(380, 280, 400, 250, 446, 226);
    branch.moveTo(392, 268);
    branch.cubicTo(404, 236, 420, 214, 424, 190);
    painter.setPen(QPen(QColor(70, 45, 30), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(branch);
    const QPointF blossoms[] = {{446, 226}, {424, 190}, {410, 246}, {372, 292},
                                {430, 232}, {402, 222}, {388, 272}};
    for (const QPointF& blossom : blossoms) {
        PaintBlossom(painter, blossom, 5.5);
    }
}

void PaintTablet(QPainter& painter, const QRect& button, const QString& caption) {
    const QRectF tablet = QRectF(button).adjusted(3, 3, -3, -3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 30, 10, 70));
    painter.drawRoundedRect(tablet.translated(2, 2), 8, 8);
    QLinearGradient lacquer(tablet.topLeft(), tablet.bottomLeft());
    lacquer.setColorAt(0, QColor(190, 70, 42));
    lacquer.setColorAt(1, kLacquer);
    painter.setBrush(lacquer);
    painter.setPen(QPen(kGold, 2));
    painter.drawRoundedRect(tablet, 8, 8);
    painter.setFont(Kai(26, true));
    painter.setPen(QColor(255, 240, 206));
    painter.drawText(tablet, Qt::AlignCenter, caption);
}

}  // namespace

QImage PaintReportBackground() {
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintParchment(painter);
    PaintFrame(painter);
    PaintTableSheet(painter);
    PaintTitle(painter);
    PaintArtwork(painter);
    PaintTablet(painter, kPrintButton, QStringLiteral("打印"));
    PaintTablet(painter, kSaveAsButton, QStringLiteral("另存为"));
    PaintTablet(painter, kExitButton, QStringLiteral("退出"));
    painter.end();
    return picture.convertToFormat(QImage::Format_RGB888);
}
