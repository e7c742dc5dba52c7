// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classroom/ClassOverview.h"

namespace xuehai::classroom {

// A class read through the store's access objects, from whichever engine keeps its
// databases (the game folder's files or a computer room's server): the one reading of the
// overview and of the questions a player gets wrong, so both places give the same rows.
class StoreClassSource : public ClassSource {
public:
    ClassOverview ReadOverview() override;
    std::vector<MissedQuestion> ReadMissedQuestions(const std::string& player,
                                                    std::size_t limit) override;

protected:
    // Points the store at the class's databases and answers its subjects.
    virtual std::vector<Subject> Open() = 0;
};

// The game path of a subject's bank, "Data\Qut004\004.dat".
std::string BankGamePath(const std::string& code);

}  // namespace xuehai::classroom
