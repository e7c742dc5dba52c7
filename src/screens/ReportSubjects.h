// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace xuehai {

// One row of the progress report: the subject's caption, its question bank's code, and the
// title and reward that completing the bank earns.
struct ReportSubject {
    std::string_view caption;
    std::string_view code;
    std::string_view title;
    std::string_view reward;
};

// The report's sixteen rows in screen order. Bank 010 has no row.
inline constexpr std::array<ReportSubject, 16> kReportSubjects{{
    {"物 理", "004", "疯狂科学家", "兰水晶"},
    {"地 理", "006", "土地神", "地图"},
    {"数 学", "003", "新数学之父", "算盘"},
    {"语 文", "001", "状元", "绳子"},
    {"英 语", "002", "首席外交官", "玫瑰花"},
    {"历 史", "007", "时空特警", "白马"},
    {"化 学", "005", "化学博士", "红水晶"},
    {"体 育", "008", "冠军", "鞋"},
    {"生 物", "009", "生物学家", "BOBO"},
    {"天 文", "013", "星球联盟主席", "梯子"},
    {"法 律", "014", "大法官", "火把"},
    {"艺 术", "016", "艺术大师", "吉他"},
    {"军 事", "017", "将军", "不锈钢箭"},
    {"计算机", "015", "电脑天才", "戒指"},
    {"生活常识", "012", "万事通", "裤子"},
    {"卡通影视", "011", "超级大导演", "电影票"},
}};

}  // namespace xuehai
