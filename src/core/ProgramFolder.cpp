// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include <optional>

namespace xuehai {

namespace {

std::optional<std::string>& Override() {
    static std::optional<std::string> folder;
    return folder;
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    if (Override()) {
        return *Override();
    }
    static const std::string executableFolder = [] {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        return WithTrailingSlash(ec ? std::filesystem::current_path().string()
                                    : exe.parent_path().string());
    }();
    return executableFolder;
}

void SetProgramFolder(const std::filesystem::path& folder) {
    Override() = WithTrailingSlash(std::filesystem::absolute(folder).lexically_normal().string());
}

}  // namespace xuehai
