// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProblemWording.h"

namespace xuehai::teacher {

namespace {

QString ColumnName(int column) {
    static const char* const kNames[] = {"题目", "答案 A", "答案 B", "答案 C", "答案 D"};
    return column >= 0 && column <= bank::kColumnD ? QString::fromUtf8(kNames[column]) : QString();
}

}  // namespace

QString ProblemWording(const bank::QuestionProblem& problem) {
    using P = bank::QuestionProblem;
    const QString name = ColumnName(problem.column);
    switch (problem.kind) {
        case P::EmptyText:
            return QStringLiteral("%1是空的，请填上。").arg(name);
        case P::BadText:
            switch (problem.text.kind) {
                case bank::TextFault::Unfit:
                    return QStringLiteral("%1里的“%2”游戏显示不了，请换成别的字。")
                        .arg(name, QString::fromStdString(problem.text.character));
                case bank::TextFault::TooLong:
                    return QStringLiteral(
                               "%1太长：%2 字节，最多 %3 字节（一个汉字算两个）。请缩短。")
                        .arg(name)
                        .arg(problem.text.bytes)
                        .arg(bank::kMaxFieldBytes);
                case bank::TextFault::NotUtf8:
                    break;
            }
            return QStringLiteral("%1里有乱码，请重新输入。").arg(name);
        case P::SameAnswers:
            return QStringLiteral("%1和%2一模一样，请把其中一个改掉。")
                .arg(name, ColumnName(problem.other));
        case P::RightLetter:
            return QStringLiteral("正确答案“%1”不对：请填 A、B、C 或 D。")
                .arg(QString::fromStdString(problem.value));
        case P::Flag:
            return QStringLiteral("难度“%1”不对：请填整数，比如 1（易）、2（中）、3（难）。")
                .arg(QString::fromStdString(problem.value));
        case P::Duplicate:
            return QStringLiteral("和第 %1 题是同一道题，请改写或删掉一道。")
                .arg(problem.other + 1);
    }
    return {};
}

}  // namespace xuehai::teacher
