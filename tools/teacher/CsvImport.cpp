// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvImport.h"

#include <algorithm>
#include <map>

#include "ProblemWording.h"
#include "authoring/Csv.h"
#include "authoring/QuestionCheck.h"

namespace xuehai::teacher {

CsvImport ReadCsvImport(std::string_view bytes) {
    CsvImport import;
    const bank::DecodedSource decoded = bank::DecodeSource(bytes);
    import.encoding = decoded.encoding;
    const bank::CsvContent csv = bank::ParseCsv(decoded.utf8);
    std::multimap<int, QString> byLine;
    for (const bank::CsvSyntaxError& error : csv.errors) {
        byLine.emplace(error.line, QStringLiteral("引号没有配对，请检查这一行的双引号。"));
    }
    for (std::size_t i = 0; i < csv.records.size(); ++i) {
        const bank::CsvRecord& record = csv.records[i];
        if (i == 0 && record.fields == bank::kQuestionHeader) {
            continue;
        }
        if (record.fields.size() != bank::kQuestionHeader.size()) {
            byLine.emplace(
                record.line,
                QStringLiteral(
                    "应有 7 列（题目、A、B、C、D、正确答案、难度），这里有 %1 列；这一行不导入。")
                    .arg(record.fields.size()));
            ++import.skippedLines;
            continue;
        }
        import.questions.push_back(
            {record.fields[0],
             {record.fields[1], record.fields[2], record.fields[3], record.fields[4]},
             bank::NormalRightLetter(record.fields[5]),
             record.fields[6]});
        import.lines.push_back(record.line);
    }
    const auto problems = bank::CheckQuestions(import.questions);
    for (std::size_t i = 0; i < problems.size(); ++i) {
        for (bank::QuestionProblem problem : problems[i]) {
            QString text = ProblemWording(problem);
            if (problem.kind == bank::QuestionProblem::Duplicate) {
                text = QStringLiteral("和第 %1 行是同一道题。")
                           .arg(import.lines[static_cast<std::size_t>(problem.other)]);
            }
            byLine.emplace(import.lines[i], text);
        }
    }
    for (const auto& [line, text] : byLine) {
        import.problems.push_back(QStringLiteral("第 %1 行：%2").arg(line).arg(text));
    }
    return import;
}

QString EncodingName(bank::SourceEncoding encoding) {
    switch (encoding) {
        case bank::SourceEncoding::Utf8:
            return QStringLiteral("UTF-8");
        case bank::SourceEncoding::Utf8WithMark:
            return QStringLiteral("UTF-8（带 BOM）");
        case bank::SourceEncoding::Gb18030:
            return QStringLiteral("GBK/GB18030");
    }
    return {};
}

}  // namespace xuehai::teacher
