// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xuehai::bank {

// One record of a CSV file and the line of the file it starts on (counting from 1), so a
// refusal can point the author at the right line even after a field spanning lines.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// A malformed record (an unclosed or stray quote); the line is where the record starts.
struct CsvSyntaxError {
    int line = 0;
    std::string message;
};

struct CsvContent {
    std::vector<CsvRecord> records;
    std::vector<CsvSyntaxError> errors;
};

// Splits RFC 4180 text: fields in double quotes may hold commas, doubled quotes and line
// breaks; CRLF and LF both end a record. A leading UTF-8 byte order mark (spreadsheets
// write one) is dropped, and empty lines are skipped rather than read as one-field records.
CsvContent ParseCsv(std::string_view text);

// A field as RFC 4180 writes it: quoted only when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// The fields joined by commas and ended by LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace xuehai::bank
