// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverroom/ServerSubjects.h"

#include "core/Errors.h"
#include "server/ServerLink.h"

namespace xuehai::bank {

void StoreSubjects(ServerLink& link, const std::vector<classroom::Subject>& subjects) {
    link.Run("DELETE FROM xuehai.subject");
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        link.Run("INSERT INTO xuehai.subject (position, code, name) VALUES ($1, $2, $3)",
                 {std::to_string(i), subjects[i].code, subjects[i].name});
    }
}

std::vector<classroom::Subject> ReadServerSubjects(ServerLink& link) {
    const SqlRows present = link.Run("SELECT to_regclass('xuehai.subject') IS NOT NULL AS present");
    if (std::get<std::int64_t>(present.cells.at(0)) == 0) {
        throw Error("学海的服务器 " + link.Name() +
                    " 上还没有班级：请老师先用 xuehai-bank server init 把游戏文件夹放上去。");
    }
    const SqlRows rows = link.Run("SELECT code, name FROM xuehai.subject ORDER BY position");
    std::vector<classroom::Subject> subjects;
    for (std::size_t r = 0; r < rows.rowCount; ++r) {
        subjects.push_back({std::get<std::string>(rows.cells[r * 2]),
                            std::get<std::string>(rows.cells[r * 2 + 1])});
    }
    return subjects;
}

}  // namespace xuehai::bank
