// SPDX-License-Identifier: GPL-3.0-or-later
#include "PostgresServer.h"

#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace xuehai::test {

namespace {

// The socket's name carries the port; the folder is the test program's own, so any port
// number is free.
constexpr int Port = 5432;

std::filesystem::path FindServerPrograms() {
    const std::filesystem::path root = "/usr/lib/postgresql";
    std::error_code ec;
    std::filesystem::path best;
    for (const auto& entry : std::filesystem::directory_iterator(root, ec)) {
        const std::filesystem::path bin = entry.path() / "bin";
        if (std::filesystem::exists(bin / "initdb") && std::filesystem::exists(bin / "pg_ctl") &&
            (best.empty() || entry.path().filename() > best.parent_path().filename())) {
            best = bin;
        }
    }
    return best;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs a shell command line, as the postgres user when this program runs as root; answers
// whether it succeeded.
bool Shell(const std::string& line) {
    std::string command = line;
    if (geteuid() == 0) {
        command = "cd / && runuser -u postgres -- " + line;
    }
    return std::system(command.c_str()) == 0;
}

}  // namespace

PostgresServer& PostgresServer::Instance() {
    static PostgresServer server;
    return server;
}

PostgresServer::PostgresServer() {
    bin_ = FindServerPrograms();
    if (bin_.empty()) {
        throw std::runtime_error(
            "PostgreSQL's server programs are not installed (scripts/install-deps.sh "
            "installs postgresql-15)");
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "xuehai-pg-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder for the test server");
    }
    folder_ = pattern;
    if (geteuid() == 0) {
        const passwd* user = getpwnam("postgres");
        if (user == nullptr || chown(folder_.c_str(), user->pw_uid, user->pw_gid) != 0) {
            throw std::runtime_error(
                "the tests run as root, so the test server needs the user \"postgres\" "
                "(made by the postgresql package)");
        }
    }
    const std::string data = (folder_ / "data").string();
    // The server writes its own log; the shell's redirections belong to this program's user.
    const std::string log = (folder_ / "server.log").string();
    const std::string initLog = (folder_ / "initdb.log").string();
    if (!Shell((bin_ / "initdb").string() + " -D " + data +
               " -U postgres -A trust -E UTF8 --no-locale --no-sync > " + initLog + " 2>&1")) {
        throw std::runtime_error("initdb failed:\n" + ReadAll(initLog));
    }
    // fsync off: the tests' cluster is thrown away, and the tests measure the game's
    // statements, not the disk.
    const std::string options = "-k " + folder_.string() + " -p " + std::to_string(Port) +
                                " -c listen_addresses='' -c fsync=off -c max_connections=100";
    if (!Shell((bin_ / "pg_ctl").string() + " -D " + data + " -l " + log + " -w -t 60 -o \"" +
               options + "\" start > /dev/null 2>&1")) {
        throw std::runtime_error("the test server did not start:\n" + ReadAll(log));
    }
    running_ = true;
}

PostgresServer::~PostgresServer() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void PostgresServer::Stop() {
    if (running_) {
        Shell((bin_ / "pg_ctl").string() + " -D " + (folder_ / "data").string() +
              " -m immediate -w stop > /dev/null 2>&1");
        running_ = false;
    }
}

std::string PostgresServer::ConnInfo(const std::string& database) const {
    return "host=" + folder_.string() + " port=" + std::to_string(Port) +
           " user=postgres dbname=" + database;
}

std::string PostgresServer::FreshDatabase() {
    const std::string name =
        "xuehai_test_" + std::to_string(getpid()) + "_" + std::to_string(++databases_);
    Run("CREATE DATABASE " + name);
    return ConnInfo(name);
}

void PostgresServer::Run(const std::string& sql, const std::string& database) const {
    PGconn* conn = PQconnectdb(ConnInfo(database).c_str());
    if (PQstatus(conn) != CONNECTION_OK) {
        const std::string message = PQerrorMessage(conn);
        PQfinish(conn);
        throw std::runtime_error("cannot reach the test server: " + message);
    }
    PGresult* result = PQexec(conn, sql.c_str());
    const ExecStatusType status = PQresultStatus(result);
    const std::string message = PQresultErrorMessage(result);
    PQclear(result);
    PQfinish(conn);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        throw std::runtime_error("test server refused '" + sql + "': " + message);
    }
}

void PostgresServer::CutConnections(const std::string& database) const {
    Run("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + database +
        "' AND pid <> pg_backend_pid()");
}

std::string DatabaseOf(const std::string& connInfo) {
    const std::size_t at = connInfo.rfind("dbname=");
    return at == std::string::npos ? std::string() : connInfo.substr(at + 7);
}

}  // namespace xuehai::test
