// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "BenchData.h"

struct sqlite3;

namespace xuehai {
class TuserInfo;
}

namespace xuehai::bench {

// The screens' commands as they use the store: each opens its bank, works, and closes it
// again; the map screen keeps its player records open for its whole life.

// "Request": a question for the quiz movie.
std::vector<std::string> Request(const Scenario& scenario);
// "right": the answer in the bank's statistics, the score, the overall right count.
void Right(const Scenario& scenario, TuserInfo& records, const std::string& questionId);
// "rollover": the completion figure of a subject.
double Rollover(const Scenario& scenario);
// The progress report's fill: sixteen subject rows, then the player summary.
double ReportFill(const Scenario& scenario);

// The same commands as bare SQLite calls over handles kept open, with the same statements;
// the yardstick for the store's own cost.
class SqliteTwin {
public:
    explicit SqliteTwin(const Scenario& scenario);
    ~SqliteTwin();
    SqliteTwin(const SqliteTwin&) = delete;
    SqliteTwin& operator=(const SqliteTwin&) = delete;

    std::vector<std::string> Request();
    void Right(const std::string& questionId);
    double Rollover();
    double ReportFill();

private:
    const Scenario& scenario_;
    std::vector<::sqlite3*> banks_;  // in report order; banks_[0] is subject 004
    ::sqlite3* records_ = nullptr;
};

}  // namespace xuehai::bench
