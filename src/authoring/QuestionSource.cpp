// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionSource.h"

#include <algorithm>
#include <map>

#include "authoring/Csv.h"
#include "authoring/QuestionCheck.h"

namespace xuehai::bank {

namespace {

class QuestionChecker {
public:
    explicit QuestionChecker(QuestionSource& source) : source_(source) {}

    void Add(const CsvRecord& record) {
        if (record.fields.size() != kQuestionHeader.size()) {
            Refuse(record.line, "expected 7 columns (question,A,B,C,D,right,flag), found " +
                                    std::to_string(record.fields.size()));
            return;
        }
        Question q{record.fields[0],
                   {record.fields[1], record.fields[2], record.fields[3], record.fields[4]},
                   NormalRightLetter(record.fields[5]),
                   record.fields[6]};
        bool ok = true;
        for (const QuestionProblem& problem : CheckQuestion(q)) {
            ok = Refuse(record.line, DescribeProblem(problem));
        }
        ok = CheckUnique(record.line, q) && ok;
        if (ok) {
            source_.questions.push_back(std::move(q));
            source_.lines.push_back(record.line);
        }
    }

private:
    bool CheckUnique(int line, const Question& q) {
        auto [seen, inserted] = firstLine_.emplace(q.text, line);
        if (!inserted) {
            return Refuse(line, "the same question as line " + std::to_string(seen->second));
        }
        return true;
    }

    bool Refuse(int line, std::string message) {
        source_.problems.push_back({line, std::move(message)});
        return false;
    }

    QuestionSource& source_;
    std::map<std::string, int> firstLine_;
};

}  // namespace

QuestionSource ReadQuestionSource(std::string_view csvText) {
    CsvContent csv = ParseCsv(csvText);
    QuestionSource source;
    for (const CsvSyntaxError& error : csv.errors) {
        source.problems.push_back({error.line, error.message});
    }
    QuestionChecker checker(source);
    for (std::size_t i = 0; i < csv.records.size(); ++i) {
        if (i == 0 && csv.records[i].fields == kQuestionHeader) {
            continue;
        }
        checker.Add(csv.records[i]);
    }
    std::stable_sort(
        source.problems.begin(), source.problems.end(),
        [](const SourceProblem& a, const SourceProblem& b) { return a.line < b.line; });
    return source;
}

std::string WriteQuestionSource(const std::vector<Question>& questions) {
    std::string text = CsvLine(kQuestionHeader);
    for (const Question& q : questions) {
        text += CsvLine(
            {q.text, q.answers[0], q.answers[1], q.answers[2], q.answers[3], q.right, q.flag});
    }
    return text;
}

}  // namespace xuehai::bank
