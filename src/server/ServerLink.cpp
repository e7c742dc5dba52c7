// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerLink.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstring>

#include "ServerErrors.h"
#include "ServerSetting.h"

namespace xuehai {

namespace {

// Type numbers of the server's built-in types (they never change).
constexpr Oid BoolType = 16;
constexpr Oid Int8Type = 20;
constexpr Oid Int2Type = 21;
constexpr Oid Int4Type = 23;
constexpr Oid Float4Type = 700;
constexpr Oid Float8Type = 701;
constexpr Oid NumericType = 1700;

std::string Trimmed(const char* message) {
    std::string text = message != nullptr ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

SqlValue Convert(const PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column) != 0) {
        return std::monostate{};
    }
    const char* text = PQgetvalue(result, row, column);
    const std::size_t length = static_cast<std::size_t>(PQgetlength(result, row, column));
    switch (PQftype(result, column)) {
        case BoolType:
            return std::int64_t{text[0] == 't' ? 1 : 0};
        case Int2Type:
        case Int4Type:
        case Int8Type: {
            std::int64_t value = 0;
            std::from_chars(text, text + length, value);
            return value;
        }
        case NumericType:
            if (std::strpbrk(text, ".eEN") == nullptr) {
                std::int64_t value = 0;
                const auto parsed = std::from_chars(text, text + length, value);
                if (parsed.ec == std::errc() && parsed.ptr == text + length) {
                    return value;
                }
            }
            [[fallthrough]];
        case Float4Type:
        case Float8Type: {
            double value = 0;
            std::from_chars(text, text + length, value);
            return value;
        }
        default:
            return std::string(text, length);
    }
}

SqlRows Rows(const PGresult* result) {
    SqlRows rows;
    const int columns = PQnfields(result);
    const int count = PQntuples(result);
    rows.columns.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        rows.columns.emplace_back(PQfname(result, c));
    }
    rows.cells.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        for (int c = 0; c < columns; ++c) {
            rows.cells.push_back(Convert(result, r, c));
        }
    }
    rows.rowCount = static_cast<std::size_t>(count);
    return rows;
}

std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

ServerLink::ServerLink(std::string connInfo)
    : connInfo_(std::move(connInfo)), name_(DescribeServer(connInfo_)) {
    Connect();
}

ServerLink::~ServerLink() {
    PQfinish(conn_);
}

void ServerLink::Connect() {
    PQfinish(conn_);
    // The game's own defaults come first, so the connection string can change them. A
    // dead network shows within seconds instead of the system's minutes.
    const char* keys[] = {"connect_timeout",  "application_name",
                          "client_encoding",  "keepalives",
                          "keepalives_idle",  "keepalives_interval",
                          "keepalives_count", "tcp_user_timeout",
                          "dbname",           nullptr};
    const char* values[] = {"5",    "xuehai",          "UTF8", "1", "5", "2", "2",
                            "5000", connInfo_.c_str(), nullptr};
    conn_ = PQconnectdbParams(keys, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string why = Trimmed(PQerrorMessage(conn_));
        PQfinish(conn_);
        conn_ = nullptr;
        broken_ = true;
        // The player reads the plain sentence; libpq's own words go behind the details
        // button and into the log.
        throw ServerUnreachableError("连不上学海的服务器 " + name_ +
                                     "。请检查网线和服务器是否开着，或者请老师检查这台电脑的"
                                     "服务器设置，然后再试。\n\nlibpq: " +
                                     why);
    }
    broken_ = false;
    schema_.clear();
    PQclear(Exec("SET standard_conforming_strings = on", {}));
}

void ServerLink::EnsureConnected() {
    if (!broken_) {
        return;
    }
    if (depth_ > 0) {
        Lost();
    }
    Connect();
}

[[noreturn]] void ServerLink::Lost() {
    broken_ = true;
    schema_.clear();
    throw ServerLostError("和学海的服务器 " + name_ +
                          " 的连接断了，刚才这一步没有记下来。请检查网络，然后接着玩："
                          "下一步会重新连接。");
}

PGresult* ServerLink::Exec(std::string_view sql, const Parameters& parameters) {
    const std::string text(sql);
    std::vector<const char*> values;
    values.reserve(parameters.size());
    for (const std::optional<std::string>& parameter : parameters) {
        values.push_back(parameter ? parameter->c_str() : nullptr);
    }
    PGresult* result = PQexecParams(conn_, text.c_str(), static_cast<int>(values.size()), nullptr,
                                    values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) {
        return result;
    }
    const std::string why =
        Trimmed(result != nullptr ? PQresultErrorMessage(result) : PQerrorMessage(conn_));
    const char* field = result != nullptr ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const std::string state = field != nullptr ? field : "";
    PQclear(result);
    if (PQstatus(conn_) == CONNECTION_BAD) {
        Lost();
    }
    const std::string detail = why + " (statement: " + text + "; server " + name_ + ")";
    // Another computer changed the same rows first, or held them past the wait: the
    // transaction is over and nothing of it was saved.
    if (state == "40001" || state == "40P01" || state == "55P03") {
        throw RecordsLockedError("服务器 " + name_ +
                                     " 上的同一份数据正被另一台电脑修改，这一步没有做成，什么也"
                                     "没有改。请过一会儿再试一次。\n\n" +
                                     detail,
                                 FailureKind::Locked);
    }
    throw DatabaseError(detail);
}

void ServerLink::UseSchema(const std::string& schema) {
    if (schema.empty() || schema == schema_) {
        return;
    }
    PQclear(Exec("SET search_path TO " + QuotedName(schema), {}));
    schema_ = schema;
}

SqlRows ServerLink::Run(std::string_view sql, const Parameters& parameters,
                        const std::string& schema) {
    EnsureConnected();
    UseSchema(schema);
    PGresult* result = Exec(sql, parameters);
    SqlRows rows = Rows(result);
    PQclear(result);
    return rows;
}

void ServerLink::Begin() {
    if (depth_ == 0) {
        EnsureConnected();
        // Repeatable read: a command that read a count and writes it back fails instead of
        // overwriting what another computer saved in between.
        PQclear(Exec("BEGIN ISOLATION LEVEL REPEATABLE READ", {}));
        ++transaction_;
    }
    ++depth_;
}

void ServerLink::Commit(std::uint64_t transaction) {
    if (depth_ == 0 || transaction != transaction_) {
        throw DatabaseError("服务器 " + name_ + " 上的这一步已经撤销，没有记下来。");
    }
    if (--depth_ > 0) {
        return;
    }
    if (broken_) {
        Lost();
    }
    PGresult* result = nullptr;
    try {
        result = Exec("COMMIT", {});
    } catch (...) {
        schema_.clear();
        throw;
    }
    // A transaction in which a statement failed answers COMMIT with ROLLBACK.
    const bool committed = std::strcmp(PQcmdStatus(result), "COMMIT") == 0;
    PQclear(result);
    if (!committed) {
        schema_.clear();
        throw DatabaseError("服务器 " + name_ + " 上这一步有一句没有做成，所以整步都撤销了。");
    }
}

void ServerLink::RollBack(std::uint64_t transaction) noexcept {
    if (depth_ == 0 || transaction != transaction_) {
        return;
    }
    depth_ = 0;
    schema_.clear();
    if (!broken_) {
        PQclear(PQexec(conn_, "ROLLBACK"));
        if (PQstatus(conn_) == CONNECTION_BAD) {
            broken_ = true;
        }
    }
}

}  // namespace xuehai
