// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace xuehai::classroom {

// Changes to one player over every file of a game folder that holds them: the player
// records and each bank of the list files. Before a change, every file it is about to
// change is copied, consistent even while the game runs, into
// <folder>/备份/<date and time>/<its path in the folder>. Each file changes in one
// transaction; a file that is busy (the game writing) is waited for briefly, then the
// change stops with Error, the files changed so far kept and their copies in place.
class PlayerAdmin {
public:
    explicit PlayerAdmin(std::filesystem::path gameFolder);

    // Throws Error when the new name is empty or taken, or the player is unknown.
    void Rename(const std::string& from, const std::string& to);
    // Score 0, class 1, no answers in any subject; the player stays registered.
    void ResetProgress(const std::string& name);
    void Remove(const std::string& name);

    // The folder the last change copied its files into.
    const std::filesystem::path& LastBackup() const { return lastBackup_; }

private:
    std::vector<std::filesystem::path> FilesHolding(const std::string& name) const;
    void Backup(const std::vector<std::filesystem::path>& files);
    std::filesystem::path RecordsFile() const;

    std::filesystem::path folder_;
    std::filesystem::path lastBackup_;
};

}  // namespace xuehai::classroom
