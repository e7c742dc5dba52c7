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
    Join(connection, true);
}

void CommandTransaction::Read(Connection& connection) {
    Join(connection, false);
}

void CommandTransaction::Join(Connection& connection, bool write) {
    if (std::find(joined_.begin(), joined_.end(), &connection) != joined_.end()) {
        if (write && !connection.Writing()) {
            throw DatabaseError("database file '" + connection.File().string() +
                                "' was joined to the command for reading only");
        }
        return;
    }
    connection.Begin(*this, write);
    joined_.push_back(&connection);
}

void CommandTransaction::Commit() {
    for (const Connection* connection : joined_) {
        if (connection->StatementFailed()) {
            const std::string file = connection->File().string();
            RollBack();
            throw DatabaseError("a statement of the command on database file '" + file +
                                "' failed, so nothing of the command was saved");
        }
    }
    while (!joined_.empty()) {
        Connection* connection = joined_.front();
        try {
            connection->Commit();
        } catch (...) {
            RollBack();
            throw;
        }
        joined_.erase(joined_.begin());
    }
}

void CommandTransaction::Forget(const Connection& connection) noexcept {
    joined_.erase(std::remove(joined_.begin(), joined_.end(), &connection), joined_.end());
}

void CommandTransaction::RollBack() noexcept {
    for (Connection* connection : joined_) {
        connection->RollBack();
    }
    joined_.clear();
}

}  // namespace xuehai
