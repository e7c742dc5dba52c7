// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandQueue.h"

#include <QPointer>
#include <exception>

namespace xuehai {

CommandQueue::CommandQueue(Handler handler, ErrorShower showError, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), showError_(std::move(showError)) {}

void CommandQueue::Raise(const QString& command, const QString& args) {
    pending_.push_back({command, args});
    Schedule();
}

void CommandQueue::Schedule() {
    if (scheduled_ || delivering_ || pending_.empty()) {
        return;
    }
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &CommandQueue::DeliverNext, Qt::QueuedConnection);
}

void CommandQueue::DeliverNext() {
    scheduled_ = false;
    const Command next = pending_.front();
    pending_.pop_front();
    // The handler may close the screen and with it this queue; both copies outlive that.
    const Handler handler = handler_;
    const ErrorShower showError = showError_;
    const QPointer<CommandQueue> alive(this);
    delivering_ = true;
    try {
        handler(next.command, next.args);
    } catch (const std::exception& e) {
        showError(e.what());
    } catch (...) {
        showError("An unexpected error stopped the command \"" + next.command.toStdString() +
                  "\".");
    }
    if (alive) {
        delivering_ = false;
        Schedule();
    }
}

}  // namespace xuehai
