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

}  // namespace

std::filesystem::path ResolveGamePath(std::string_view gamePath) {
    std::string path(gamePath);
    std::replace(path.begin(), path.end(), '\\', '/');

    const std::string folder = ProgramFolder();
    std::string_view relative = path;
    if (relative.substr(0, folder.size()) == folder) {
        relative.remove_prefix(folder.size());
    } else if (!relative.empty() && relative.front() == '/') {
        throw PathError("'" + std::string(gamePath) + "' lies outside the game folder " + folder);
    }

    std::filesystem::path result = folder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string_view::npos) {
            end = relative.size();
        }
        std::string component(relative.substr(start, end - start));
        if (component == "..") {
            throw PathError("'" + std::string(gamePath) + "' lies outside the game folder " +
                            folder);
        }
        if (!component.empty() && component != ".") {
            result = FindEntry(result, component);
        }
        start = end + 1;
    }
    return result;
}

}  // namespace xuehai
