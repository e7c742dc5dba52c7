// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <string>

namespace xuehai {

// Hands a movie's commands to the screen one at a time, in the order raised, each after the
// movie's own script has returned. While a handler runs (perhaps inside a modal screen's
// event loop) later commands wait; what a handler throws goes to the error box.
class CommandQueue : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& command, const QString& args)>;
    using ErrorShower = std::function<void(const std::string& message)>;

    CommandQueue(Handler handler, ErrorShower showError, QObject* parent = nullptr);

    void Raise(const QString& command, const QString& args);
    std::size_t Pending() const { return pending_.size(); }

private:
    struct Command {
        QString command;
        QString args;
    };

    void Schedule();
    void DeliverNext();

    Handler handler_;
    ErrorShower showError_;
    std::deque<Command> pending_;
    bool scheduled_ = false;
    bool delivering_ = false;
};

}  // namespace xuehai
