// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Command.h"
#include "authoring/GameFile.h"
#include "authoring/QuestionnaireFile.h"
#include "authoring/QuestionnaireSource.h"
#include "authoring/ToolError.h"

namespace xuehai::bank {

namespace {

int Build(const Arguments& args) {
    const std::string& source = args.operands[0];
    const std::filesystem::path file = args.operands[1];
    QuestionnaireSource read = ReadQuestionnaireSource(ReadSourceFile(source));
    if (int status = ReportSourceProblems(source, read.problems); status != kExitOk) {
        return status;
    }
    WriteGameFile(file, DatabaseKind::Questionnaire, args.Has("--replace"), [&](sqlite3* db) {
        WriteQuestionnaire(db, read.questionnaire);
        return true;
    });
    std::size_t items = 0;
    for (const QuestionnaireType& type : read.questionnaire.types) {
        items += type.items.size();
    }
    std::cout << file.string() << ": " << read.questionnaire.types.size() << " types, " << items
              << " items\n";
    return kExitOk;
}

int Dump(const Arguments& args) {
    GameFile file(args.operands[0], DatabaseKind::Questionnaire);
    std::cout << WriteQuestionnaireSource(ReadQuestionnaire(file.Handle()));
    return kExitOk;
}

}  // namespace

std::vector<Command> QuestionnaireCommands() {
    return {
        {"questionnaire build",
         "[--replace] SOURCE.csv TEST.dat",
         "make a character-test file (data\\q\\qNNN\\q.dat) from a CSV source",
         R"(SOURCE.csv is UTF-8 CSV (or GBK/GB18030, recognised by itself) without a header, one
record per line:
  title,<name of the test>                                  first line, once
  type,<name of a test type>                                starts a type
  item,<question>,<A>,<points A>,<B>,<points B>,<C>,<points C>
  range,<lowest total>,<highest total>,<evaluation>         both ends included
Types are numbered 1, 2, ... in file order; a type's items and ranges follow its type
line. Points are whole numbers from -1000 to 1000; a type holds 1 to 100 items.
Refused, with the line of each problem, and nothing written: an unknown or misplaced
line, a wrong column count, an empty text, a character code page 936 cannot hold, a type
without items or ranges, and ranges that leave a reachable total uncovered or hold one
total twice: every total a player can reach must lie in exactly one range of its type.

--replace  rewrite TEST.dat when it exists (it holds no player data).
)",
         {"--replace"},
         2,
         2,
         &Build},
        {"questionnaire dump",
         "TEST.dat",
         "write a character test back as its CSV source",
         R"(Writes the source format that questionnaire build reads on standard output.
)",
         {},
         1,
         1,
         &Dump},
    };
}

}  // namespace xuehai::bank
