// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "classroom/StoreClassSource.h"

namespace xuehai::classroom {

// The subjects of a game folder: the lines of AliginA.cfg (names) and AliginB.cfg (codes).
// Throws Error naming a list file that cannot be read.
std::vector<Subject> ReadSubjects();

// A class as a game folder holds it: Save\userinfo.dat and the banks of the list files.
// Points the store at the folder's own files, as the game's own screens see them.
class FolderClassSource : public StoreClassSource {
public:
    explicit FolderClassSource(std::filesystem::path gameFolder);

private:
    std::vector<Subject> Open() override;

    std::filesystem::path folder_;
};

}  // namespace xuehai::classroom
