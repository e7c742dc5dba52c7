// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionnaireSource.h"

#include <algorithm>

#include "authoring/Csv.h"
#include "authoring/ReachableTotals.h"
#include "authoring/SourceText.h"

namespace xuehai::bank {

namespace {

class QuestionnaireReader {
public:
    explicit QuestionnaireReader(QuestionnaireSource& source) : source_(source) {}

    void Read(const std::vector<CsvRecord>& records) {
        for (const CsvRecord& record : records) {
            Add(record);
        }
        if (types_.empty()) {
            Refuse(records.empty() ? 1 : records.back().line,
                   "no test type: start one with type,<name>");
        }
        for (std::size_t i = 0; i < types_.size(); ++i) {
            CheckType(i);
        }
    }

private:
    void Add(const CsvRecord& record) {
        const std::string& kind = record.fields[0];
        if (records_ == 0 && kind != "title") {
            Refuse(record.line, "the first line must be title,<name of the test>");
        }
        if (kind == "title") {
            AddTitle(record);
        } else if (kind == "type") {
            AddType(record);
        } else if (kind == "item") {
            AddItem(record);
        } else if (kind == "range") {
            AddRange(record);
        } else {
            Refuse(record.line,
                   "'" + kind + "' starts no known line; use title, type, item or range");
        }
        ++records_;
    }

    void AddTitle(const CsvRecord& record) {
        if (records_ > 0) {
            Refuse(record.line, "the title must be the first line, and only once");
        } else if (Columns(record, 2) && Text(record.line, "the title", record.fields[1])) {
            source_.questionnaire.title = record.fields[1];
        }
    }

    void AddType(const CsvRecord& record) {
        QuestionnaireType type;
        if (Columns(record, 2) && Text(record.line, "the type name", record.fields[1])) {
            type.name = record.fields[1];
        }
        types_.push_back(record.line);
        source_.questionnaire.types.push_back(std::move(type));
    }

    void AddItem(const CsvRecord& record) {
        if (!InType(record) || !Columns(record, 8)) {
            return;
        }
        const auto& f = record.fields;
        QuestionnaireItem item{f[1], {f[2], f[4], f[6]}, {}};
        bool ok = Text(record.line, "the item", item.text);
        const char* names[] = {"answer A", "answer B", "answer C"};
        for (std::size_t i = 0; i < 3; ++i) {
            ok = Text(record.line, names[i], item.answers[i]) && ok;
            ok = Points(record.line, names[i], f[3 + 2 * i], item.points[i]) && ok;
        }
        QuestionnaireType& type = source_.questionnaire.types.back();
        if (ok && type.items.size() == kMaxItemsPerType) {
            ok = Refuse(record.line,
                        "a type holds at most " + std::to_string(kMaxItemsPerType) + " items");
        }
        if (ok) {
            type.items.push_back(std::move(item));
        }
    }

    void AddRange(const CsvRecord& record) {
        if (!InType(record) || !Columns(record, 4)) {
            return;
        }
        const auto& f = record.fields;
        auto low = PlainInteger(f[1]);
        auto high = PlainInteger(f[2]);
        bool ok = Text(record.line, "the evaluation", f[3]);
        if (!low || !high) {
            ok = Refuse(record.line,
                        "the range '" + f[1] + "' to '" + f[2] + "' must be two whole numbers");
        } else if (*low > *high) {
            ok = Refuse(record.line, "the range starts at " + f[1] + " after its end " + f[2]);
        }
        if (ok) {
            source_.questionnaire.types.back().ranges.push_back({*low, *high, f[3]});
            rangeLines_.resize(types_.size());
            rangeLines_.back().push_back(record.line);
        }
    }

    void CheckType(std::size_t index) {
        const QuestionnaireType& type = source_.questionnaire.types[index];
        int line = types_[index];
        std::string name = "type " + std::to_string(index + 1);
        if (type.items.empty()) {
            Refuse(line, name + " has no item lines");
            return;
        }
        if (type.ranges.empty()) {
            Refuse(line, name + " has no range lines");
            return;
        }
        RangeCoverage coverage = CheckCoverage(type);
        if (!coverage.uncovered.empty()) {
            Refuse(line, name + ": no range holds the reachable total(s) " +
                             DescribeTotals(coverage.uncovered));
        }
        const std::vector<int>& lines = rangeLines_[index];
        for (const auto& overlap : coverage.overlaps) {
            std::vector<int> overlapLines;
            for (std::size_t r : overlap.ranges) {
                overlapLines.push_back(lines[r]);
            }
            Refuse(overlapLines.back(), name + ": the total " + std::to_string(overlap.total) +
                                            " lies in the ranges of lines " +
                                            DescribeLines(overlapLines));
        }
    }

    static std::string DescribeLines(const std::vector<int>& lines) {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += (i == 0                  ? ""
                     : i + 1 == lines.size() ? " and "
                                             : ", ") +
                    std::to_string(lines[i]);
        }
        return text;
    }

    bool InType(const CsvRecord& record) {
        if (types_.empty()) {
            return Refuse(record.line, record.fields[0] + " before any type line");
        }
        return true;
    }

    bool Columns(const CsvRecord& record, std::size_t count) {
        if (record.fields.size() != count) {
            return Refuse(record.line, "'" + record.fields[0] + "' lines have " +
                                           std::to_string(count) + " columns, this one has " +
                                           std::to_string(record.fields.size()));
        }
        return true;
    }

    bool Text(int line, const std::string& what, const std::string& text) {
        if (text.empty()) {
            return Refuse(line, what + " is empty");
        }
        if (auto problem = TextProblem(text)) {
            return Refuse(line, what + " " + *problem);
        }
        return true;
    }

    bool Points(int line, const std::string& what, const std::string& text, int& points) {
        auto value = PlainInteger(text);
        if (!value || *value < -kMaxPoints || *value > kMaxPoints) {
            return Refuse(line, "the points of " + what + " are '" + text +
                                    "'; they must be a whole number from -" +
                                    std::to_string(kMaxPoints) + " to " +
                                    std::to_string(kMaxPoints));
        }
        points = *value;
        return true;
    }

    bool Refuse(int line, std::string message) {
        source_.problems.push_back({line, std::move(message)});
        return false;
    }

    QuestionnaireSource& source_;
    int records_ = 0;
    std::vector<int> types_;                    // line of each type
    std::vector<std::vector<int>> rangeLines_;  // line of each kept range, per type
};

}  // namespace

QuestionnaireSource ReadQuestionnaireSource(std::string_view csvText) {
    CsvContent csv = ParseCsv(csvText);
    QuestionnaireSource source;
    for (const CsvSyntaxError& error : csv.errors) {
        source.problems.push_back({error.line, error.message});
    }
    QuestionnaireReader(source).Read(csv.records);
    std::stable_sort(
        source.problems.begin(), source.problems.end(),
        [](const SourceProblem& a, const SourceProblem& b) { return a.line < b.line; });
    return source;
}

std::string WriteQuestionnaireSource(const Questionnaire& questionnaire) {
    std::string text = CsvLine({"title", questionnaire.title});
    for (const QuestionnaireType& type : questionnaire.types) {
        text += CsvLine({"type", type.name});
        for (const QuestionnaireItem& item : type.items) {
            text += CsvLine({"item", item.text, item.answers[0], std::to_string(item.points[0]),
                             item.answers[1], std::to_string(item.points[1]), item.answers[2],
                             std::to_string(item.points[2])});
        }
        for (const EvaluationRange& range : type.ranges) {
            text += CsvLine(
                {"range", std::to_string(range.low), std::to_string(range.high), range.text});
        }
    }
    return text;
}

}  // namespace xuehai::bank
