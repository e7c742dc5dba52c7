// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "authoring/QuestionSource.h"

namespace xuehai::test {

// A scratch game folder: two subjects in the list files, a bank for the first, players
// with answers in it.
class TeacherFolder {
public:
    TeacherFolder();
    ~TeacherFolder();
    const std::filesystem::path& Path() const { return folder_; }
    std::filesystem::path Bank() const { return folder_ / "Data/Qut001/001.dat"; }
    std::filesystem::path Records() const { return folder_ / "Save/userinfo.dat"; }

    static bank::Question Q(const std::string& text, const std::string& right = "A");
    void AddPlayer(const std::string& name, int score);
    // Records one answer of the player to the bank's question number, as the game does.
    void Answer(const std::string& name, int question, bool right);

private:
    std::filesystem::path folder_;
};

}  // namespace xuehai::test
