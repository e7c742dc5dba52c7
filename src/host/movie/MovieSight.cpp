// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieSight.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace xuehai {

MovieSight::MovieSight(QWidget& widget, std::function<void(bool)> changed)
    : QObject(&widget), widget_(widget), changed_(std::move(changed)) {
    widget_.installEventFilter(this);
    Watch();
    seen_ = Look();
}

bool MovieSight::Look() const {
    return widget_.isVisible() && WindowSeen();
}

bool MovieSight::WindowSeen() const {
    const QWidget* window = widget_.window();
    if (!window->isVisible() || window->isMinimized()) {
        return false;
    }
    // A modal screen covers the windows under it; the screen it opened from, sized like
    // it, cannot be seen then.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == window || !modal->isVisible() || modal->isAncestorOf(window)) {
        return true;
    }
    return !modal->frameGeometry().contains(window->frameGeometry());
}

void MovieSight::Watch() {
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
    if (seen != seen_) {
        seen_ = seen;
        changed_(seen);
    }
}

}  // namespace xuehai
