// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieSight.h"

#include <QApplication>
#include <QEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace xuehai {

namespace {

// A control with no more than this share of it in sight shows only a glimpse.
constexpr qint64 kGlimpseShare = 10;

qint64 Area(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region) {
        area += qint64(rect.width()) * rect.height();
    }
    return area;
}

}  // namespace

MovieSight::MovieSight(QWidget& widget, std::function<void(bool)> changed)
    : QObject(&widget), widget_(widget), changed_(std::move(changed)) {
    widget_.installEventFilter(this);
    Watch();
    seen_ = Look();
    glimpse_ = Glimpse();
}

QRegion MovieSight::InSight() const {
    const QWidget* window = widget_.window();
    if (!widget_.isVisible() || !window->isVisible() || window->isMinimized()) {
        return {};
    }
    return QRegion(widget_.rect()) - Cover().translated(-widget_.mapToGlobal(QPoint(0, 0)));
}

bool MovieSight::Look() const {
    if (widget_.rect().isEmpty()) {
        return widget_.isVisible() && WindowSeen();
    }
    const qint64 whole = qint64(widget_.width()) * widget_.height();
    return Area(InSight()) * kGlimpseShare > whole;
}

QRect MovieSight::Glimpse() const {
    const QRegion part = InSight();
    const qint64 whole = qint64(widget_.width()) * widget_.height();
    return Area(part) * kGlimpseShare > whole ? QRect() : part.boundingRect();
}

QRegion MovieSight::Cover() const {
    // Each modal screen opened from the one under it (the report from the map, the map from
    // the login screen), down to the widget's own window.
    const QWidget* window = widget_.window();
    QRegion cover;
    for (const QWidget* modal = QApplication::activeModalWidget();
         modal != nullptr && modal != window && !modal->isAncestorOf(window);
         modal = modal->parentWidget() != nullptr ? modal->parentWidget()->window() : nullptr) {
        if (modal->isVisible()) {
            cover += modal->frameGeometry();
        }
    }
    return cover;
}

bool MovieSight::WindowSeen() const {
    const QWidget* window = widget_.window();
    if (!window->isVisible() || window->isMinimized()) {
        return false;
    }
    return !(QRegion(window->frameGeometry()) - Cover()).isEmpty();
}

void MovieSight::Watch() {
    // A modal screen that moves or changes size over the control uncovers another part of it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == widget_.window()) {
        modal = nullptr;
    }
    if (modal_ != modal) {
        if (modal_) {
            modal_->removeEventFilter(this);
        }
        modal_ = modal;
        if (modal_) {
            modal_->installEventFilter(this);
        }
    }
    if (window_ == widget_.window()) {
        return;
    }
    if (window_) {
        window_->removeEventFilter(this);
    }
    window_ = widget_.window();
    if (window_ != &widget_) {
        window_->installEventFilter(this);
    }
}

bool MovieSight::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::WindowStateChange:
        case QEvent::WindowBlocked:
        case QEvent::WindowUnblocked:
        case QEvent::Move:
        case QEvent::Resize:
            // After the event has done its work: a widget is visible only once shown.
            QTimer::singleShot(0, this, [this] {
                Watch();
                Update();
            });
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void MovieSight::Update() {
    const bool seen = Look();
    const QRect glimpse = Glimpse();
    if (seen != seen_ || glimpse != glimpse_) {
        seen_ = seen;
        glimpse_ = glimpse;
        changed_(seen);
    }
}

}  // namespace xuehai
