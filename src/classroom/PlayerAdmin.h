// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classroom/ClassOverview.h"
#include "store/DatabaseFiles.h"

namespace xuehai {
class Engine;
}

namespace xuehai::classroom {

// Where the files of a class are kept for PlayerAdmin, named by their game paths
// ("Save\userinfo.dat"): the store's engine for them (nullptr: the game folder's own
// files), the subjects whose banks count, where the copies go and how one is made.
struct PlayerFiles {
    std::shared_ptr<Engine> engine;
    std::function<std::vector<Subject>()> subjects;
    std::filesystem::path backups;  // copies go into <backups>/<date and time>/<game path>
    std::function<void(const std::string& gamePath, DatabaseKind kind,
                       const std::filesystem::path& copy)>
        copy;
};

// Changes to one player over every file that holds them: the player records and each bank
// of the list files. Before a change, every file it is about to change is copied,
// consistent even while the game runs, below the files' backups folder. All the files
// change in one command, together or not at all; a file that is busy (the game writing)
// is waited for briefly, then the change stops with Error, nothing changed and the copies
// in place.
class PlayerAdmin {
public:
    // A game folder's own files; copies go into <folder>/备份/<date and time>/.
    explicit PlayerAdmin(std::filesystem::path gameFolder);
    explicit PlayerAdmin(PlayerFiles files);

    // Throws Error when the new name is empty or taken, or the player is unknown.
    void Rename(const std::string& from, const std::string& to);
    // Score 0, class 1, no answers in any subject; the player stays registered.
    void ResetProgress(const std::string& name);
    void Remove(const std::string& name);

    // The folder the last change copied its files into.
    const std::filesystem::path& LastBackup() const { return lastBackup_; }

private:
    struct Change {
        std::string gamePath;
        std::vector<std::string> statements;
    };

    std::vector<std::string> BanksHolding(const std::string& name);
    void Backup(const std::vector<std::string>& banks);
    void Apply(const std::vector<Change>& changes);
    // Takes the player's answers out of every bank; records is run on the player's row.
    void Clear(const std::string& name, const std::string& records);

    PlayerFiles files_;
    std::filesystem::path folder_;  // the game folder, when the files are its own
    std::filesystem::path lastBackup_;
};

}  // namespace xuehai::classroom
