// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Errors.h"

namespace xuehai {

// The server named in the configuration does not answer, refuses the login, or the
// configuration itself cannot be used. The message names the server and says what to do.
class ServerUnreachableError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// The connection to the server broke while a command ran: nothing of that command was
// saved, and the next command connects again.
class ServerLostError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

}  // namespace xuehai
