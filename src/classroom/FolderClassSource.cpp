// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/FolderClassSource.h"

#include <algorithm>

#include "core/ListFile.h"
#include "core/ProgramFolder.h"
#include "store/Engine.h"

namespace xuehai::classroom {

std::vector<Subject> ReadSubjects() {
    const std::vector<std::string> names = ReadListFile(ProgramFolder() + "AliginA.cfg");
    const std::vector<std::string> codes = ReadListFile(ProgramFolder() + "AliginB.cfg");
    std::vector<Subject> subjects;
    for (std::size_t i = 0; i < std::min(names.size(), codes.size()); ++i) {
        subjects.push_back({codes[i], names[i]});
    }
    return subjects;
}

FolderClassSource::FolderClassSource(std::filesystem::path gameFolder)
    : folder_(std::move(gameFolder)) {
    SetProgramFolder(folder_);
}

std::vector<Subject> FolderClassSource::Open() {
    SetProgramFolder(folder_);
    UseEngine(nullptr);
    return ReadSubjects();
}

}  // namespace xuehai::classroom
