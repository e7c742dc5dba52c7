// SPDX-License-Identifier: GPL-3.0-or-later
#include "GamePath.h"

#include <algorithm>
#include <string>

#include "Errors.h"
#include "ProgramFolder.h"

namespace xuehai {

namespace {

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The entry of folder spelled like name, the exact spelling first.
std::filesystem::path FindEntry(const std::filesystem::path& folder, const std::string& name) {
    std::error_code ec;
    std::filesystem::path exact = folder / name;
    if (std::filesystem::exists(exact, ec)) {
        return exact;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (SameIgnoringAsciiCase(entry.path().filename().string(), name)) {
            return entry.path();
        }
    }
    return exact;
}

// True when path is folder or lies beneath it; both are canonical.
bool Inside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    auto p = path.begin();
    for (auto f = folder.begin(); f != folder.end(); ++f, ++p) {
        if (f->empty() && std::next(f) == folder.end()) {
            break;  // the trailing separator of the folder
        }
        if (p == path.end() || *p != *f) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void LeavesFolder(std::string_view gamePath, const std::string& folder) {
    throw PathError("'" + std::string(gamePath) + "' lies outside the game folder " + folder);
}

}  // namespace

std::filesystem::path ResolveGamePath(std::string_view gamePath) {
    const std::string folder = ProgramFolder();
    // The folder's own name is a Linux name and may hold a backslash; only what follows it
    // is the game's own spelling.
    std::string relative(
        gamePath.substr(0, folder.size()) == folder ? gamePath.substr(folder.size()) : gamePath);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (gamePath.substr(0, folder.size()) != folder && !relative.empty() &&
        relative.front() == '/') {
        LeavesFolder(gamePath, folder);
    }

    std::filesystem::path result = folder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string::npos) {
            end = relative.size();
        }
        const std::string component = relative.substr(start, end - start);
        if (component == "..") {
            LeavesFolder(gamePath, folder);
        }
        if (!component.empty() && component != ".") {
            result = FindEntry(result, component);
        }
        start = end + 1;
    }
    // A symbolic link inside the folder may point anywhere: what counts is where it leads.
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::weakly_canonical(result, ec);
    const std::filesystem::path realFolder = std::filesystem::weakly_canonical(folder, ec);
    if (!ec && !Inside(real, realFolder)) {
        LeavesFolder(gamePath, folder);
    }
    return result;
}

}  // namespace xuehai
