// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's commands through the store on a PostgreSQL server, beside bare libpq sending
// the very statements the store sends (translated, with the same search-path switches and
// transactions): latency per command, p50 and p99, and their ratio.
//
//   xuehai-bench-server [ROUNDS]     (default 2000 rounds per command and side)
//
// The server is one of the benchmark's own (initdb in a temporary folder, unix socket).
#include <libpq-fe.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "FieldEncoder.h"
#include "PostgresServer.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "server/ServerLink.h"
#include "server/ServerSchema.h"
#include "store/CommandTransaction.h"
#include "store/GameRandom.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::bench {
namespace {

constexpr int Questions = 200;
const std::string Player = "小明";

std::string BankPath() {
    return ProgramFolder() + "Data\\Qut004\\004.dat";
}
std::string RecordsPath() {
    return ProgramFolder() + "Save\\userinfo.dat";
}

// The statements as bare libpq sends them, on one connection of its own.
class LibpqTwin {
public:
    LibpqTwin(const std::string& connInfo, std::string bank, std::string records)
        : conn_(PQconnectdb(connInfo.c_str())),
          bank_(std::move(bank)),
          records_(std::move(records)) {
        Exec("SET standard_conforming_strings = on");
    }
    ~LibpqTwin() { PQfinish(conn_); }

    void Request() {
        Schema(bank_);
        Exec("SELECT Count(*) AS QACount FROM Question");
        Randomize();
        Exec("SELECT * FROM Question WHERE QAID=" + std::to_string(Random(Questions)));
    }

    void Right(const std::string& id) {
        Exec("BEGIN ISOLATION LEVEL REPEATABLE READ");
        Schema(bank_);
        if (Rows("SELECT * FROM UserStats WHERE UserName ='" + Player + "'") == 0) {
            Exec("INSERT INTO UserStats(UserName) VALUES('" + Player + "') ");
        }
        if (Rows("SELECT * FROM \"user-question\" WHERE QuestionID=" + id + " and UserName='" +
                 Player + "'") == 0) {
            Exec("INSERT INTO \"user-question\"(QuestionID,USerName) VALUES(" + id + ",'" + Player +
                 "')");
        }
        Exec("UPDATE \"user-question\" SET RightCount=RightCount+1 WHERE QuestionID=" + id +
             " and UserName='" + Player + "'");
        Exec("UPDATE UserStats SET UserRight=UserRight+1 WHERE UserName='" + Player + "'");
        Schema(records_);
        Exec("UPDATE UserInfo Set UserScore=UserScore+10 WHERE UserName='" + Player + "'");
        Exec("UPDATE UserInfo Set UserClass=floor(UserScore*1.0/1000)+1  WHERE UserName='" +
             Player + "'");
        Exec("UPDATE UserInfo Set UserScore=0 WHERE UserName='" + Player + "' and UserScore<0");
        PGresult* right = Query("SELECT UserRight FROM UserInfo WHERE UserName='" + Player + "'");
        const long count = std::atol(PQgetvalue(right, 0, 0));
        PQclear(right);
        Exec("UPDATE UserInfo Set UserRight=" + std::to_string(count + 1) + " WHERE UserName='" +
             Player + "'");
        Exec("COMMIT");
    }

    void Rollover() {
        Schema(bank_);
        Exec("SELECT Count(*) as QACount FROM Question");
        Exec("SELECT Count(*) as QAOver FROM \"user-question\" WHERE UserName ='" + Player +
             "' and RightCount>0");
    }

private:
    void Schema(const std::string& schema) {
        if (schema != schema_) {
            Exec("SET search_path TO \"" + schema + "\"");
            schema_ = schema;
        }
    }
    int Rows(const std::string& sql) {
        PGresult* result = Query(sql);
        const int rows = PQntuples(result);
        PQclear(result);
        return rows;
    }
    // The result, for the caller to clear.
    PGresult* Query(const std::string& sql) {
        PGresult* result =
            PQexecParams(conn_, sql.c_str(), 0, nullptr, nullptr, nullptr, nullptr, 0);
        const ExecStatusType status = PQresultStatus(result);
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            std::fprintf(stderr, "libpq twin: %s in %s\n", PQresultErrorMessage(result),
                         sql.c_str());
            std::exit(1);
        }
        return result;
    }
    void Exec(const std::string& sql) { PQclear(Query(sql)); }

    PGconn* conn_;
    std::string bank_;
    std::string records_;
    std::string schema_;
};

struct Figures {
    double p50 = 0;
    double p99 = 0;
};

Figures Percentiles(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

double Time(const std::function<void()>& command) {
    const auto start = std::chrono::steady_clock::now();
    command();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Both sides by turns, so that a busy moment of the machine falls on both alike.
std::pair<Figures, Figures> Measure(int rounds, const std::function<void()>& store,
                                    const std::function<void()>& bare) {
    for (int i = 0; i < rounds / 10; ++i) {
        store();  // warm caches and plans
        bare();
    }
    std::vector<double> storeMs;
    std::vector<double> bareMs;
    for (int i = 0; i < rounds; ++i) {
        storeMs.push_back(Time(store));
        bareMs.push_back(Time(bare));
    }
    return {Percentiles(storeMs), Percentiles(bareMs)};
}

int Run(int rounds) {
    SetProgramFolder("/srv/xuehai-game");
    const std::string connInfo = test::PostgresServer::Instance().FreshDatabase();
    std::string bankSchema;
    std::string recordsSchema;
    {
        ServerLink link(connInfo);
        CreateRegistry(link);
        bankSchema =
            CreateServerFile(link, "Data/Qut004/004.dat", DatabaseKind::QuestionBank).schema;
        recordsSchema =
            CreateServerFile(link, "Save/userinfo.dat", DatabaseKind::PlayerRecords).schema;
        FieldEncoder encoder(11);
        for (int id = 0; id < Questions; ++id) {
            const std::string q = "第" + std::to_string(id) + "题：一加一等于几？";
            link.Run("INSERT INTO question VALUES ($1, $2, $3, $4, $5, $6, 'A', '1')",
                     {std::to_string(id), encoder.EncodeUtf8(q), encoder.EncodeUtf8("一"),
                      encoder.EncodeUtf8("二"), encoder.EncodeUtf8("三"), encoder.EncodeUtf8("四")},
                     bankSchema);
        }
    }
    UseEngine(std::make_shared<ServerEngine>(connInfo));
    TuserInfo records(RecordsPath());
    records.AddUser(Player, 1);
    records.ActiveUser = Player;
    LibpqTwin twin(connInfo, bankSchema, recordsSchema);
    int next = 0;
    const auto id = [&] { return std::to_string(next++ % Questions); };

    struct Row {
        const char* name;
        std::function<void()> store;
        std::function<void()> bare;
    };
    const std::vector<Row> rows{
        {"Request (draw a question)", [] { TQADataBase(BankPath()).PickQuestion(); },
         [&] { twin.Request(); }},
        {"right (count an answer)",
         [&] {
             CommandTransaction command;
             TQADataBase bank(BankPath());
             command.Write(bank.Database());
             command.Write(records.Database());
             bank.RecordAnswer(Player, id(), 1);
             records.AddScore(Player, 10);
             records.SetUserRight(records.GetUserRight() + 1);
             command.Commit();
         },
         [&] { twin.Right(id()); }},
        {"rollover (completion)", [] { TQADataBase(BankPath()).GetRate("Wancheng", Player); },
         [&] { twin.Rollover(); }},
    };
    std::printf("%-28s %9s %9s %9s %9s %7s %7s\n", "command (ms)", "store p50", "libpq p50",
                "store p99", "libpq p99", "p50 x", "p99 x");
    bool within = true;
    for (const Row& row : rows) {
        const auto [store, bare] = Measure(rounds, row.store, row.bare);
        const double r50 = store.p50 / bare.p50;
        const double r99 = store.p99 / bare.p99;
        within = within && r50 <= 1.5 && r99 <= 1.5 && store.p99 < 20;
        std::printf("%-28s %9.3f %9.3f %9.3f %9.3f %7.2f %7.2f\n", row.name, store.p50, bare.p50,
                    store.p99, bare.p99, r50, r99);
    }
    std::printf("%s\n", within ? "within the targets (ratio <= 1.5, p99 < 20 ms)"
                               : "OUTSIDE the targets (ratio <= 1.5, p99 < 20 ms)");
    UseEngine(nullptr);
    return within ? 0 : 2;
}

}  // namespace
}  // namespace xuehai::bench

int main(int argc, char** argv) {
    return xuehai::bench::Run(argc > 1 ? std::atoi(argv[1]) : 2000);
}
