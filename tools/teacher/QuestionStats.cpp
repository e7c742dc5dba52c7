// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionStats.h"

#include "authoring/Sql.h"

namespace xuehai::teacher {

std::map<std::int64_t, QuestionStats> ReadQuestionStats(sqlite3* db) {
    std::map<std::int64_t, QuestionStats> stats;
    bank::SqlStatement rows(db,
                            "SELECT QuestionID, COUNT(*), SUM(RightCount), SUM(WrongCount) "
                            "FROM [User-Question] GROUP BY QuestionID");
    while (rows.Step()) {
        stats[rows.Integer(0)] = {rows.Integer(1), rows.Integer(2), rows.Integer(3)};
    }
    return stats;
}

}  // namespace xuehai::teacher
