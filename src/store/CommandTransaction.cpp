// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTransaction.h"

#include <algorithm>

#include "Connection.h"
#include "core/Errors.h"

namespace xuehai {

CommandTransaction::CommandTransaction() : deadline_(LockClock::now() + LockBudget) {}

CommandTransaction::~CommandTransaction() {
    RollBack();
}

void CommandTransaction::Write(Connection& connection) {
    if (std::find(writing_.begin(), writing_.end(), &connection) != writing_.end()) {
        return;
    }
    connection.Begin(*this);
    writing_.push_back(&connection);
}

void CommandTransaction::Commit() {
    for (const Connection* connection : writing_) {
        if (connection->StatementFailed()) {
            const std::string file = connection->File().string();
            RollBack();
            throw DatabaseError("a statement of the command on database file '" + file +
                                "' failed, so nothing of the command was saved");
        }
    }
    while (!writing_.empty()) {
        Connection* connection = writing_.front();
        try {
            connection->Commit();
        } catch (...) {
            RollBack();
            throw;
        }
        writing_.erase(writing_.begin());
    }
}

void CommandTransaction::Forget(const Connection& connection) noexcept {
    writing_.erase(std::remove(writing_.begin(), writing_.end(), &connection), writing_.end());
}

void CommandTransaction::RollBack() noexcept {
    for (Connection* connection : writing_) {
        connection->RollBack();
    }
    writing_.clear();
}

}  // namespace xuehai
