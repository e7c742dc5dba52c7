// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "authoring/QuestionSource.h"
#include "authoring/SourceEncoding.h"

namespace xuehai::teacher {

// A CSV file read for the editor: every line of seven columns as a question (refused cells
// are fixed in the editor afterwards), the problems with their lines, and how the file was
// encoded, so a teacher sees a GBK file was understood.
struct CsvImport {
    std::vector<bank::Question> questions;
    std::vector<int> lines;  // the file line of each question
    QStringList problems;    // "第 5 行：…"
    int skippedLines = 0;    // records that are no question (wrong column count)
    bank::SourceEncoding encoding = bank::SourceEncoding::Utf8;
};

CsvImport ReadCsvImport(std::string_view bytes);

QString EncodingName(bank::SourceEncoding encoding);

}  // namespace xuehai::teacher
