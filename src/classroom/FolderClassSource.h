// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "classroom/ClassOverview.h"

namespace xuehai::classroom {

// The subjects of a game folder: the lines of AliginA.cfg (names) and AliginB.cfg (codes).
// Throws Error naming a list file that cannot be read.
std::vector<Subject> ReadSubjects();

// A class as a game folder holds it: Save\userinfo.dat and the banks of the list files.
// Points the store at the folder, as the game's own screens see it.
class FolderClassSource : public ClassSource {
public:
    explicit FolderClassSource(const std::filesystem::path& gameFolder);
    ClassOverview ReadOverview() override;
    std::vector<MissedQuestion> ReadMissedQuestions(const std::string& player,
                                                    std::size_t limit) override;
};

// The game path of a subject's bank, "Data\Qut004\004.dat".
std::string BankGamePath(const std::string& code);

}  // namespace xuehai::classroom
