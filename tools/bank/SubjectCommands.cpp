// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Command.h"
#include "authoring/ToolError.h"
#include "subjects/GameSubjects.h"
#include "subjects/SubjectAddition.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::bank {

namespace {

int Add(const Arguments& args) {
    subjects::SubjectRequest request;
    request.name = args.operands[1];
    if (args.operands.size() > 2) {
        const std::string& region = args.operands[2];
        if (region != "1" && region != "2" && region != "3") {
            throw ToolError(kExitUsage, "REGION must be 1, 2 or 3, not '" + region + "'");
        }
        request.region = region[0] - '0';
    }
    try {
        const subjects::GameSubjects folder(std::filesystem::absolute(args.operands[0]));
        request.musicFrom = args.operands.size() > 3  ? args.operands[3]
                            : folder.Listed().empty() ? std::string()
                                                      : folder.Listed().front().code;
        const subjects::SubjectPlan plan = folder.Plan(request);
        subjects::AddSubject(folder, plan);
        std::cout << "新科目 " << plan.code << " " << plan.name << "：地图第 " << plan.region
                  << " 片海域 (" << plan.site.x << ", " << plan.site.y << ")，题库 Data/Qut"
                  << plan.code << "/" << plan.code << ".dat 还没有题目。\n";
    } catch (const subjects::SubjectRefusal& refusal) {
        throw ToolError(kExitFile, refusal.what());
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> SubjectCommands() {
    return {
        {"subject add",
         "GAMEFOLDER NAME [REGION [MUSIC]]",
         "add a subject to a game folder, with its place on the map",
         R"(Adds the subject NAME with the next free code: a line in each list file (AliginA.cfg,
AliginB.cfg), a place in the map's subject list (Xuehai/Ui/Subjects.js) where the map
has room, and Data/Qut<code>/ with an empty bank, the quiz movie and the music of the
subject whose code MUSIC gives (the first listed subject when left out). Fill the bank
with "build --replace" or the teacher's desk; until then the quiz has no questions.

REGION  1 (open from the start, the default), 2 (from class 5) or 3 (from class 10)

Nothing is written when the folder cannot take the subject: the name is taken, has
blanks or characters code page 936 lacks, the map has no free place in the region, or
the folder is read-only, the installed game's data or a copy that the installed game
keeps up to date.
)",
         {},
         2,
         4,
         &Add},
    };
}

}  // namespace xuehai::bank
