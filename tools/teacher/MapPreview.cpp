// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapPreview.h"

#include <QPainter>

namespace xuehai::teacher {

namespace {

QString Notice(int region) {
    return region == 2 ? QStringLiteral("等级5开放") : QStringLiteral("等级10开放");
}

}  // namespace

MapPreview::MapPreview(const subjects::GameSubjects& subjects, QWidget* parent)
    : QWidget(parent), subjects_(subjects) {
    setMinimumSize(372, 282);
}

QSize MapPreview::sizeHint() const {
    return {496, 376};
}

void MapPreview::ShowPlan(const std::optional<subjects::SubjectPlan>& plan) {
    plan_ = plan;
    update();
}

void MapPreview::paintEvent(QPaintEvent*) {
    const subjects::MapWorld& world = subjects_.World();
    std::vector<subjects::MapPlace> places = subjects_.OnMap();
    places.insert(places.end(), world.others.begin(), world.others.end());
    if (plan_) {
        places.push_back({plan_->code, plan_->name, plan_->region, plan_->site.x, plan_->site.y});
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / double(world.width), height() / double(world.height));
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, world.width, world.height), QColor("#4fb3e8"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor("#7cc242"));
    for (const subjects::MapPlace& p : places) {
        painter.drawEllipse(QPointF(p.x, p.y), 70, 70);
    }
    QFont font = painter.font();
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    for (int region : {2, 3}) {
        const std::optional<subjects::Area> area = subjects::RegionArea(places, region, world);
        if (!area) {
            continue;
        }
        const QRectF rect(area->left, area->top, area->right - area->left,
                          area->bottom - area->top);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(232, 238, 245, 150));
        painter.drawRoundedRect(rect.adjusted(20, 20, -20, -20), 40, 40);
        painter.setPen(QColor("#5a6b7d"));
        painter.drawText(rect.adjusted(30, 24, -30, -24), Qt::AlignRight | Qt::AlignBottom,
                         Notice(region));
    }
    for (const subjects::MapPlace& p : places) {
        const bool planned = plan_ && p.code == plan_->code && p.name == plan_->name;
        painter.setPen(QPen(QColor("#6d4c2b"), 3));
        painter.setBrush(planned ? QColor("#ff9800") : QColor("#fff3dc"));
        const QRectF sign(p.x - 70, p.y - 22, 140, 44);
        painter.drawRoundedRect(sign, 12, 12);
        painter.setPen(QColor("#3a2a1a"));
        painter.drawText(sign, Qt::AlignCenter, QString::fromStdString(p.name));
    }
}

}  // namespace xuehai::teacher
