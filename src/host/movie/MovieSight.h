// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QRegion;
class QWidget;

namespace xuehai {

// Tells whether a widget can be seen: shown, its window not minimised and not covered by a
// modal screen opened over it (the map over the login screen) but for a glimpse, a tenth of
// it or less (the edge of the map above the report). Reports each change of either through
// the callback.
class MovieSight : public QObject {
    Q_OBJECT
public:
    MovieSight(QWidget& widget, std::function<void(bool seen)> changed);

    bool Seen() const { return seen_; }
    // Whether the widget can be seen now, whatever was reported.
    bool Look() const;
    // Where in the widget what little of it is in sight lies, while only that much is; empty
    // while it is in sight or out of it whole.
    QRect Glimpse() const;
    // Whether its window can be seen now: shown, not minimised and not covered.
    bool WindowSeen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The part of the widget in sight, in its own coordinates.
    QRegion InSight() const;
    // Where the modal screens opened over the widget's window lie on the screen.
    QRegion Cover() const;
    void Watch();
    void Update();

    QWidget& widget_;
    QPointer<QWidget> window_;
    QPointer<QWidget> modal_;
    std::function<void(bool)> changed_;
    bool seen_ = false;
    QRect glimpse_;
};

}  // namespace xuehai
