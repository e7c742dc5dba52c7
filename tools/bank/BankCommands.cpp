// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Command.h"
#include "ProgressBar.h"
#include "authoring/BankRows.h"
#include "authoring/BankUpdate.h"
#include "authoring/GameFile.h"
#include "authoring/ToolError.h"

namespace xuehai::bank {

namespace {

int Build(const Arguments& args) {
    const std::string& source = args.operands[0];
    const std::filesystem::path bank = args.operands[1];
    QuestionSource read = ReadQuestionSource(ReadSourceFile(source));
    if (read.problems.empty() && read.questions.empty()) {
        read.problems.push_back({1, "the source holds no question"});
    }
    if (int status = ReportSourceProblems(source, read.problems); status != kExitOk) {
        return status;
    }

    std::error_code ec;
    const bool existed = std::filesystem::exists(bank, ec);
    ProgressBar bar("writing " + bank.filename().string(), read.questions.size());
    UpdateSummary summary;
    WriteGameFile(bank, DatabaseKind::QuestionBank, args.Has("--replace"), [&](sqlite3* db) {
        summary = UpdateBank(db, read.questions, [&](std::size_t done) { bar.Show(done); });
        return summary.changed;
    });
    bar.Finish();
    std::cout << bank.string() << ": " << read.questions.size() << " questions, "
              << (existed ? DescribeUpdate(summary) : std::string("new bank")) << '\n';
    return kExitOk;
}

int Dump(const Arguments& args) {
    GameFile file(args.operands[0], DatabaseKind::QuestionBank);
    std::cout << WriteQuestionSource(ReadBankQuestions(file.Handle()));
    return kExitOk;
}

}  // namespace

std::vector<Command> BankCommands() {
    return {
        {"build",
         "[--replace] SOURCE.csv BANK.dat",
         "make a question bank from a CSV source",
         R"(SOURCE.csv is UTF-8 text (GBK/GB18030, as spreadsheets on Chinese systems save it, is
recognised and read too), one question per line:
  question,A,B,C,D,right,flag
(the line above may head the file). right is the letter of the right answer, A to D (a to
d are read as upper case);
flag is a whole number handed to the quiz movie (1 easy, 2 medium, 3 harder).
Fields holding a comma, a double quote or a line break are written in double quotes,
with inner quotes doubled.

Questions are numbered 0 to N - 1 in source order; every text is stored scrambled with
its own random key, in code page 936. Refused, with the line of each problem, and
nothing written: a wrong column count, an empty text, a character code page 936 cannot
hold, a text longer than 255 bytes in code page 936 (a Chinese character counts two), a
right letter other than A to D, a flag that is no whole number, two answers alike, and a
question asked twice.

--replace  rewrite BANK.dat when it exists. Players' statistics are kept: a question keeps
           its statistics when its question text is unchanged, wherever it moved, or when
           it was reworded in its place with the same right answer text. A bank that holds
           exactly the source's questions is not written at all.
)",
         {"--replace"},
         2,
         2,
         &Build},
        {"dump",
         "BANK.dat",
         "write a bank's questions back as CSV on standard output",
         R"(Decodes every question and writes the source format that build reads, header first,
in the order of the question numbers. Building the output again gives the same
questions. A bank that check finds fault with may not dump; run check first.
)",
         {},
         1,
         1,
         &Dump},
    };
}

}  // namespace xuehai::bank
