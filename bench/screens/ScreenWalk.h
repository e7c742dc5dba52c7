// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace xuehai {
class TFormtitle;
}

namespace xuehai::bench {

// Leads the running game to one of its screens the way a player gets there: the title, then
// the login screen, then the map or the battle, raising the commands the movies raise. Each
// step waits for the screen the one before it opened.
class ScreenWalk : public QObject {
    Q_OBJECT
public:
    // The screens the walk knows, in the order they are measured.
    static QStringList Screens();

    // Calls arrived once the named screen shows; an unknown name is an error.
    ScreenWalk(TFormtitle& title, const QString& screen, std::function<void()> arrived);

    // The windows that show the screen once arrived: the report shows over the map.
    QList<QWidget*> Shown() const { return shown_; }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Advance();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QTimer poll_;
    QList<QWidget*> shown_;
    std::function<void()> arrived_;
};

}  // namespace xuehai::bench
