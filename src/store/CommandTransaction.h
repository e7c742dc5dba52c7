// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <vector>

#include "LockWait.h"

namespace xuehai {

class Connection;

// One command of a screen on the game's database files, such as counting an answer in the
// bank's statistics and in the player records:
//  - every wait for a lock another program holds, on any file and in any statement of the
//    command, comes out of one budget of LockBudget, so the screen stands still at most that
//    long before it can tell the player;
//  - the files joined with Write change together or not at all. Write takes the file's write
//    lock up front; Commit commits every joined file once all the command's statements on
//    them succeeded. A failed statement, an exception or the end of the scope before Commit
//    rolls every joined file back;
//  - the files joined with Read are read as they stood at the command's first statement on
//    them, whatever another program writes meanwhile.
// Once the write locks are held nothing of another program can stop the commits; only a
// crash between two of them leaves the first file changed alone.
class CommandTransaction {
public:
    static constexpr std::chrono::milliseconds LockBudget{2000};

    CommandTransaction();
    ~CommandTransaction();
    CommandTransaction(const CommandTransaction&) = delete;
    CommandTransaction& operator=(const CommandTransaction&) = delete;

    // Takes the write lock of the connection's file for the command; joining twice does
    // nothing. Throws RecordsLockedError when the lock is not free within the budget,
    // DatabaseError otherwise; the files joined before stay joined, to be rolled back.
    void Write(Connection& connection);
    // Joins the connection's file for reading only, taking no lock; joining a file joined
    // already does nothing. Throws DatabaseError.
    void Read(Connection& connection);

    // Commits every joined file, in the order joined, and ends the reading of the others. Throws
    // DatabaseError, with every file rolled back, when a statement on one of them failed during the
    // command.
    void Commit();

private:
    friend class Connection;
    // A joined connection that closes before the command ends; its file rolls back.
    void Forget(const Connection& connection) noexcept;
    void RollBack() noexcept;

    void Join(Connection& connection, bool write);

    LockDeadline deadline_;
    std::vector<Connection*> joined_;
};

}  // namespace xuehai
