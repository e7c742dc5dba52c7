// SPDX-License-Identifier: GPL-3.0-or-later
#include <sqlite3.h>

#include <algorithm>
#include <stdexcept>

#include "StoreCommands.h"
#include "core/CodePage936.h"
#include "store/Cl_crypt32.h"
#include "store/GameRandom.h"
#include "store/SqlDialect.h"

namespace xuehai::bench {

namespace {

// A statement prepared, stepped and finalised per call, as the store does.
class Stmt {
public:
    Stmt(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(db));
        }
    }
    ~Stmt() { sqlite3_finalize(stmt_); }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    bool Row() {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
        return rc == SQLITE_ROW;
    }
    int Int(int column) { return sqlite3_column_int(stmt_, column); }
    std::string Text(int column) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

void Exec(sqlite3* db, const std::string& sql) {
    Stmt statement(db, sql);
    while (statement.Row()) {
    }
}

int Scalar(sqlite3* db, const std::string& sql) {
    Stmt statement(db, sql);
    return statement.Row() ? statement.Int(0) : 0;
}

bool HasRow(sqlite3* db, const std::string& sql) {
    return Stmt(db, sql).Row();
}

sqlite3* OpenKept(const std::string& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        throw std::runtime_error("cannot open " + file);
    }
    sqlite3_busy_timeout(db, 5000);
    RegisterDialectFunctions(db);
    Exec(db, "PRAGMA synchronous=NORMAL");
    return db;
}

double Completion(sqlite3* bank, const std::string& player) {
    const int questions = Scalar(bank, "SELECT Count(*) as QACount FROM Question");
    const int over =
        Scalar(bank, "SELECT Count(*) as QAOver FROM [User-Question] WHERE UserName ='" + player +
                         "' and RightCount>0");
    return questions == 0 ? 0.0 : static_cast<double>(over) / questions;
}

}  // namespace

SqliteTwin::SqliteTwin(const Scenario& scenario) : scenario_(scenario) {
    for (std::string bank : scenario.banks) {
        std::replace(bank.begin(), bank.end(), '\\', '/');
        banks_.push_back(OpenKept(scenario.gameFolder + bank));
    }
    records_ = OpenKept(scenario.gameFolder + "Save/userinfo.dat");
}

SqliteTwin::~SqliteTwin() {
    for (sqlite3* bank : banks_) {
        sqlite3_close(bank);
    }
    sqlite3_close(records_);
}

std::vector<std::string> SqliteTwin::Request() {
    sqlite3* bank = banks_[0];
    Randomize();
    const int count = Scalar(bank, "SELECT Count(*) AS QACount FROM Question");
    std::uint32_t k = Random(static_cast<std::uint32_t>(count));
    for (;;) {
        Stmt row(bank, "SELECT * FROM Question WHERE QAID=" + std::to_string(k));
        if (row.Row()) {
            std::vector<std::string> list;
            for (int column = 1; column <= 5; ++column) {
                list.push_back(Cp936ToUtf8(DecodeField(row.Text(column))));
            }
            list.push_back(row.Text(6).substr(0, 1));
            list.push_back(row.Text(7));
            list.emplace_back(" ");
            list.push_back(row.Text(0));
            return list;
        }
        Randomize();
        k = Random(static_cast<std::uint32_t>(count));
    }
}

void SqliteTwin::Right(const std::string& id) {
    sqlite3* bank = banks_[0];
    const std::string& name = scenario_.answering;
    if (!HasRow(bank, "SELECT * FROM UserStats WHERE UserName ='" + name + "'")) {
        Exec(bank, "INSERT INTO UserStats(UserName) VALUES('" + name + "') ");
    }
    if (!HasRow(bank, "SELECT * FROM [User-Question] WHERE QuestionID=" + id + " and UserName='" +
                          name + "'")) {
        Exec(bank,
             "INSERT INTO [User-Question](QuestionID,USerName) VALUES(" + id + ",'" + name + "')");
    }
    Exec(bank, "UPDATE [User-Question] SET RightCount=RightCount+1 WHERE QuestionID=" + id +
                   " and UserName='" + name + "'");
    Exec(bank, "UPDATE UserStats SET UserRight=UserRight+1 WHERE UserName='" + name + "'");

    Exec(records_, "UPDATE UserInfo Set UserScore=UserScore+10 WHERE UserName='" + name + "'");
    Exec(records_,
         "UPDATE UserInfo Set UserClass=int(UserScore*1.0/1000)+1  WHERE UserName='" + name + "'");
    Exec(records_, "UPDATE UserInfo Set UserScore=0 WHERE UserName='" + name + "' and UserScore<0");
    const int right =
        Scalar(records_, "SELECT UserRight FROM UserInfo WHERE UserName='" + name + "'");
    Exec(records_, "UPDATE UserInfo Set UserRight=" + std::to_string(right + 1) +
                       " WHERE UserName='" + name + "'");
}

double SqliteTwin::Rollover() {
    return Completion(banks_[0], scenario_.player) * 100;
}

double SqliteTwin::ReportFill() {
    double total = 0;
    for (sqlite3* bank : banks_) {
        total += Completion(bank, scenario_.player);
    }
    const std::string& name = scenario_.player;
    Stmt data(records_, "SELECT * FROM UserInfo WHERE USerName='" + name + "'");
    if (data.Row()) {
        total += static_cast<double>(data.Text(0).size() + data.Text(2).size() +
                                     data.Text(3).size() + data.Text(1).size());
    }
    total += Scalar(records_, "SELECT UserRight FROM UserInfo WHERE UserName='" + name + "'");
    total += Scalar(records_, "SELECT UserWrong FROM UserInfo WHERE UserName='" + name + "'");
    return total;
}

}  // namespace xuehai::bench
