// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace xuehai {

// Tells whether a widget can be seen: shown, its window not minimised and not covered
// whole by a modal screen opened over it (the map over the login screen). Reports each
// change through the callback.
class MovieSight : public QObject {
    Q_OBJECT
public:
    MovieSight(QWidget& widget, std::function<void(bool seen)> changed);

    bool Seen() const { return seen_; }
    // Whether the widget can be seen now, whatever was reported.
    bool Look() const;
    // Whether its window can be seen now: shown, not minimised and not covered.
    bool WindowSeen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch();
    void Update();

    QWidget& widget_;
    QPointer<QWidget> window_;
    std::function<void(bool)> changed_;
    bool seen_ = false;
};

}  // namespace xuehai
