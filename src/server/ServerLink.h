// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Engine.h"

struct pg_conn;
struct pg_result;

namespace xuehai {

// The game's one connection to its PostgreSQL server, shared by every game database the
// program opens there, so that one command's statements on a bank and on the records run
// in one transaction. Statements are PostgreSQL's own (the desktop dialect is translated
// before they get here).
//
// When the connection breaks, the running statement throws ServerLostError and so does
// every further statement of the same transaction; the server has rolled all of it back.
// The first statement after the transaction has ended connects again.
class ServerLink {
public:
    // Connects at once. Throws ServerUnreachableError, naming the server, when it does not
    // answer or refuses the login.
    explicit ServerLink(std::string connInfo);
    ~ServerLink();
    ServerLink(const ServerLink&) = delete;
    ServerLink& operator=(const ServerLink&) = delete;

    // Parameters of a statement, $1, $2, ... as text; nothing for NULL.
    using Parameters = std::vector<std::optional<std::string>>;

    // Runs one statement with the given parameters, in schema when it is not empty. Throws
    // DatabaseError with the server's message, ServerLostError when the connection broke.
    SqlRows Run(std::string_view sql, const Parameters& parameters = {},
                const std::string& schema = {});

    // Transactions nest: the outermost Begin starts one, and it is committed when every
    // Begin has had its Commit. RollBack ends it at once, whoever began it; the transaction
    // number then moves on, so a late Commit of that transaction is refused.
    void Begin();
    void Commit(std::uint64_t transaction);
    void RollBack(std::uint64_t transaction) noexcept;
    // The number of the open transaction (0 when none is open).
    std::uint64_t Transaction() const { return depth_ > 0 ? transaction_ : 0; }

    // "host:port/database", for messages.
    const std::string& Name() const { return name_; }

private:
    void Connect();
    void EnsureConnected();
    void UseSchema(const std::string& schema);
    pg_result* Exec(std::string_view sql, const Parameters& parameters);
    [[noreturn]] void Lost();

    std::string connInfo_;
    std::string name_;
    pg_conn* conn_ = nullptr;
    bool broken_ = false;  // the connection failed and has not been made again
    std::string schema_;   // the search path in force, empty when not known
    int depth_ = 0;
    std::uint64_t transaction_ = 0;
};

}  // namespace xuehai
