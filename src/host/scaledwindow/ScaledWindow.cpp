// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/scaledwindow/ScaledWindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>

#include "host/scaledwindow/WindowPicture.h"
#include "host/virtualscreen/ScreenBackdrop.h"

namespace xuehai {

namespace {

bool enabled = false;

// The size and place the player last gave a game window; the next screen opens there, so
// the game stays in the window the player made for it. The place is the frame's, as Qt
// moves windows by their frames, so a screen never drifts by the height of its title bar.
struct PlayerWindow {
    QPoint position;
    QSize size;
};
std::optional<PlayerWindow> playerWindow;

// Plain containers hold controls the screen places itself; every other widget lays out its
// own inside (a list's button, a box's frame) and is only scaled as a whole.
bool PlacesItsChildren(const QWidget& widget) {
    const QMetaObject* kind = widget.metaObject();
    return kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject;
}

}  // namespace

void ScaledWindow::Enable() {
    enabled = true;
}

ScaledWindow::Placement ScaledWindow::Adopt(QWidget& window) {
    if (!enabled) {
        return Placement::Centre;
    }
    if (Of(window)) {
        return Placement::Keep;
    }
    if (!window.testAttribute(Qt::WA_WState_Created)) {
        window.setWindowFlag(Qt::FramelessWindowHint, false);
    }
    auto* scaled = new ScaledWindow(window);
    if (!playerWindow) {
        return Placement::Centre;
    }
    window.resize(playerWindow->size);
    window.move(playerWindow->position);
    scaled->Relayout();
    return Placement::Keep;
}

ScaledWindow* ScaledWindow::Of(const QWidget& window) {
    return window.findChild<ScaledWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

qreal ScaledWindow::ScaleOf(const QWidget* widget) {
    const ScaledWindow* scaled = widget ? Of(*widget->window()) : nullptr;
    return scaled ? WindowPicture(scaled->design_, scaled->window_.size()).Scale() : 1;
}

QRect ScaledWindow::PictureOf(const QWidget& window) {
    const ScaledWindow* scaled = Of(window);
    return scaled ? scaled->Picture() : window.rect();
}

ScaledWindow::ScaledWindow(QWidget& window)
    : QObject(&window), window_(window), design_(window.size()), windowFont_(window.font()) {
    setObjectName(QStringLiteral("ScaledWindow"));
    // The screen lays itself out at its design size once, as it would when first shown, and
    // that layout is what is scaled from now on.
    if (window.testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(window.size(), QSize());
        QCoreApplication::sendEvent(&window, &resize);
        window.setAttribute(Qt::WA_PendingResizeEvent, false);
    }
    if (QLayout* layout = window.layout()) {
        layout->activate();
        layout->setEnabled(false);
    }
    Record(window);
    window.setMinimumSize(design_ / 2);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.installEventFilter(this);
}

void ScaledWindow::Record(QWidget& parent) {
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow()) {
            continue;
        }
        Part part{widget, QRect(widget->mapTo(&window_, QPoint(0, 0)), widget->size()), {}};
        if (widget->testAttribute(Qt::WA_SetFont)) {
            part.font = widget->font();
        }
        parts_.push_back(part);
        if (PlacesItsChildren(*widget)) {
            Record(*widget);
        }
    }
}

QRect ScaledWindow::Picture() const {
    return WindowPicture(design_, window_.size()).Area();
}

void ScaledWindow::Relayout() {
    const WindowPicture picture(design_, window_.size());
    window_.setFont(picture.Scaled(windowFont_));
    for (const Part& part : parts_) {
        if (!part.widget) {
            continue;
        }
        // Placed from its edges in the window, so rounding never adds up down the tree.
        const QWidget* parent = part.widget->parentWidget();
        const QPoint origin = parent == &window_ ? QPoint() : parent->mapTo(&window_, QPoint());
        part.widget->setGeometry(picture.Place(part.designed).translated(-origin));
        if (part.font) {
            part.widget->setFont(picture.Scaled(*part.font));
        }
    }
    window_.update();
}

void ScaledWindow::PaintBars() {
    const QRegion bars = QRegion(window_.rect()).subtracted(Picture());
    if (bars.isEmpty()) {
        return;
    }
    QPainter painter(&window_);
    painter.setClipRegion(bars);
    painter.fillRect(window_.rect(), DeepSea(window_.height()));
}

bool ScaledWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Resize:
            Relayout();
            [[fallthrough]];
        case QEvent::Move:
            // Only the window system moves and resizes a window on the player's behalf.
            if (event->spontaneous() && window_.isVisible()) {
                playerWindow = PlayerWindow{window_.pos(), window_.size()};
            }
            // The layout the screen makes for a size of its own is replaced by the scaled one.
            return event->type() == QEvent::Resize;
        case QEvent::Paint:
            PaintBars();
            return false;
        default:
            return false;
    }
}

}  // namespace xuehai
