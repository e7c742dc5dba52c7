// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionnaireSource.h"

#include <algorithm>

#include "authoring/Csv.h"
#include "authoring/ReachableTotals.h"
#include "authoring/SourceText.h"

namespace xuehai::bank {

namespace {

// A part of a line as the tool names it and as the teacher's desk does.
struct Name {
    std::string tool;
    std::string shown;
};

// Totals in runs, "10 到 30、32", as the Chinese wording says them.
std::string TotalsInChinese(const std::vector<int>& totals) {
    std::string text;
    for (std::size_t i = 0; i < totals.size();) {
        std::size_t j = i;
        while (j + 1 < totals.size() && totals[j + 1] == totals[j] + 1) {
            ++j;
        }
        text += (text.empty() ? "" : "、") + std::to_string(totals[i]) +
                (j == i ? "" : " 到 " + std::to_string(totals[j]));
        i = j + 1;
    }
    return text;
}

class QuestionnaireReader {
public:
    explicit QuestionnaireReader(QuestionnaireSource& source) : source_(source) {}

    void Read(const std::vector<CsvRecord>& records) {
        for (const CsvRecord& record : records) {
            Add(record);
        }
        if (types_.empty()) {
            Refuse(records.empty() ? 1 : records.back().line,
                   "no test type: start one with type,<name>",
                   "还没有类型：用“type,类型名”开始一个类型。");
        }
        for (std::size_t i = 0; i < types_.size(); ++i) {
            CheckType(i);
        }
    }

private:
    void Add(const CsvRecord& record) {
        const std::string& kind = record.fields[0];
        if (records_ == 0 && kind != "title") {
            Refuse(record.line, "the first line must be title,<name of the test>",
                   "第一行要写“title,测试名”。");
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
                   "'" + kind + "' starts no known line; use title, type, item or range",
                   "“" + kind + "”不是认得的行：每行要以 title、type、item 或 range 开头。");
        }
        ++records_;
    }

    void AddTitle(const CsvRecord& record) {
        if (records_ > 0) {
            Refuse(record.line, "the title must be the first line, and only once",
                   "title 只能写一次，而且要在第一行。");
        } else if (Columns(record, 2) &&
                   Text(record.line, {"the title", "测试名"}, record.fields[1])) {
            source_.questionnaire.title = record.fields[1];
        }
    }

    void AddType(const CsvRecord& record) {
        QuestionnaireType type;
        if (Columns(record, 2) &&
            Text(record.line, {"the type name", "类型名"}, record.fields[1])) {
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
        bool ok = Text(record.line, {"the item", "题目"}, item.text);
        const Name names[] = {
            {"answer A", "答案 A"}, {"answer B", "答案 B"}, {"answer C", "答案 C"}};
        for (std::size_t i = 0; i < 3; ++i) {
            ok = Text(record.line, names[i], item.answers[i]) && ok;
            ok = Points(record.line, names[i], f[3 + 2 * i], item.points[i]) && ok;
        }
        QuestionnaireType& type = source_.questionnaire.types.back();
        if (ok && type.items.size() == kMaxItemsPerType) {
            ok = Refuse(record.line,
                        "a type holds at most " + std::to_string(kMaxItemsPerType) + " items",
                        "一个类型最多 " + std::to_string(kMaxItemsPerType) + " 道题。");
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
        bool ok = Text(record.line, {"the evaluation", "评语"}, f[3]);
        if (!low || !high) {
            ok = Refuse(record.line,
                        "the range '" + f[1] + "' to '" + f[2] + "' must be two whole numbers",
                        "分数段“" + f[1] + "”到“" + f[2] + "”要写两个整数。");
        } else if (*low > *high) {
            ok = Refuse(record.line, "the range starts at " + f[1] + " after its end " + f[2],
                        "分数段的最低分 " + f[1] + " 比最高分 " + f[2] + " 还大。");
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
        const std::string shown = "第 " + std::to_string(index + 1) + " 个类型";
        if (type.items.empty()) {
            Refuse(line, name + " has no item lines", shown + "还没有题目（item 行）。");
            return;
        }
        if (type.ranges.empty()) {
            Refuse(line, name + " has no range lines", shown + "还没有分数段（range 行）。");
            return;
        }
        RangeCoverage coverage = CheckCoverage(type);
        if (!coverage.uncovered.empty()) {
            Refuse(line,
                   name + ": no range holds the reachable total(s) " +
                       DescribeTotals(coverage.uncovered),
                   shown + "能得到的总分 " + TotalsInChinese(coverage.uncovered) +
                       " 不在任何分数段里，请补上分数段。");
        }
        const std::vector<int>& lines = rangeLines_[index];
        for (const auto& overlap : coverage.overlaps) {
            std::vector<int> overlapLines;
            for (std::size_t r : overlap.ranges) {
                overlapLines.push_back(lines[r]);
            }
            std::string linesInChinese;
            for (int l : overlapLines) {
                linesInChinese +=
                    (linesInChinese.empty() ? "第 " : "、第 ") + std::to_string(l) + " 行";
            }
            Refuse(overlapLines.back(),
                   name + ": the total " + std::to_string(overlap.total) +
                       " lies in the ranges of lines " + DescribeLines(overlapLines),
                   shown + "的总分 " + std::to_string(overlap.total) + " 同时落在" +
                       linesInChinese + "的分数段里，分数段不能重叠。");
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
            return Refuse(record.line, record.fields[0] + " before any type line",
                          record.fields[0] + " 行前面要先有一行 type。");
        }
        return true;
    }

    bool Columns(const CsvRecord& record, std::size_t count) {
        if (record.fields.size() != count) {
            return Refuse(record.line,
                          "'" + record.fields[0] + "' lines have " + std::to_string(count) +
                              " columns, this one has " + std::to_string(record.fields.size()),
                          record.fields[0] + " 行要有 " + std::to_string(count) +
                              " 栏（用逗号分开），这一行有 " +
                              std::to_string(record.fields.size()) + " 栏。");
        }
        return true;
    }

    bool Text(int line, const Name& what, const std::string& text) {
        if (text.empty()) {
            return Refuse(line, what.tool + " is empty", what.shown + "是空的，请填上。");
        }
        if (const std::optional<TextFault> fault = FindTextFault(text)) {
            return Refuse(
                line, what.tool + " " + DescribeTextFault(*fault),
                fault->kind == TextFault::Unfit
                    ? what.shown + "里的“" + fault->character + "”游戏显示不了，请换成别的字。"
                    : what.shown + "里有乱码，请把文件存成 UTF-8 再试。");
        }
        return true;
    }

    bool Points(int line, const Name& what, const std::string& text, int& points) {
        auto value = PlainInteger(text);
        if (!value || *value < -kMaxPoints || *value > kMaxPoints) {
            const std::string limit = std::to_string(kMaxPoints);
            return Refuse(line,
                          "the points of " + what.tool + " are '" + text +
                              "'; they must be a whole number from -" + limit + " to " + limit,
                          what.shown + "的分数“" + text + "”不对：要写 -" + limit + " 到 " + limit +
                              " 之间的整数。");
        }
        points = *value;
        return true;
    }

    bool Refuse(int line, std::string message, std::string wording) {
        source_.problems.push_back({line, std::move(message), std::move(wording)});
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
        source.problems.push_back(
            {error.line, error.message, "这一行的引号没有配对：引号要成对出现。"});
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
