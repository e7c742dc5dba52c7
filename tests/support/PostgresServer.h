// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace xuehai::test {

// A PostgreSQL server of the tests' own: a fresh cluster made with initdb in a temporary
// folder, listening only on a unix socket in that folder, stopped and removed when the
// test program ends. Run as root (as CI does), the cluster belongs to the "postgres" user,
// since the server refuses to run as root.
class PostgresServer {
public:
    // The one server of this test program, started on first use. A server that cannot be
    // made or started fails the calling test with the server's log.
    static PostgresServer& Instance();

    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // A libpq connection string for database on this server, as its superuser.
    std::string ConnInfo(const std::string& database = "postgres") const;

    // Creates an empty database with a name not used before in this program and answers
    // its connection string.
    std::string FreshDatabase();

    // Runs one statement as the superuser on database; throws std::runtime_error with the
    // server's message. For the tests' own set-up and checks.
    void Run(const std::string& sql, const std::string& database = "postgres") const;

    // Ends every other session of database at once, as a broken network cable does.
    void CutConnections(const std::string& database) const;

    const std::filesystem::path& Folder() const { return folder_; }

private:
    PostgresServer();
    void Stop();

    std::filesystem::path folder_;
    std::filesystem::path bin_;
    int databases_ = 0;
    bool running_ = false;
};

// The database name of a connection string made by PostgresServer.
std::string DatabaseOf(const std::string& connInfo);

}  // namespace xuehai::test
