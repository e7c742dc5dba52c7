// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/QuestionSource.h"

#include <algorithm>
#include <map>

#include "authoring/Csv.h"
#include "authoring/SourceText.h"

namespace xuehai::bank {

namespace {

const std::array<const char*, 5> kTextNames = {"the question", "answer A", "answer B", "answer C",
                                               "answer D"};

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
                   record.fields[5],
                   record.fields[6]};
        bool ok = CheckTexts(record.line, q);
        if (q.right.size() != 1 || q.right[0] < 'A' || q.right[0] > 'D') {
            ok = Refuse(record.line, "the right answer is '" + q.right +
                                         "'; it must be one of the letters A, B, C, D");
        }
        if (!PlainInteger(q.flag)) {
            ok = Refuse(record.line, "the flag is '" + q.flag +
                                         "'; it must be a whole number such as 1, 2 or 3");
        }
        ok = CheckUnique(record.line, q) && ok;
        if (ok) {
            source_.questions.push_back(std::move(q));
            source_.lines.push_back(record.line);
        }
    }

private:
    bool CheckTexts(int line, const Question& q) {
        bool ok = true;
        for (std::size_t i = 0; i < kTextNames.size(); ++i) {
            const std::string& text = i == 0 ? q.text : q.answers[i - 1];
            if (text.empty()) {
                ok = Refuse(line, std::string(kTextNames[i]) + " is empty");
            } else if (auto problem = TextProblem(text, kMaxFieldBytes)) {
                ok = Refuse(line, std::string(kTextNames[i]) + " " + *problem);
            }
        }
        for (std::size_t i = 0; i < 4; ++i) {
            for (std::size_t j = i + 1; j < 4; ++j) {
                if (!q.answers[i].empty() && q.answers[i] == q.answers[j]) {
                    ok = Refuse(line, std::string(kTextNames[i + 1]) + " and " + kTextNames[j + 1] +
                                          " are the same text");
                }
            }
        }
        return ok;
    }

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
