// SPDX-License-Identifier: GPL-3.0-or-later
#include "userfolder/GameFolderChoice.h"

#include <cstdlib>

#include "core/Errors.h"

namespace xuehai {

namespace {

namespace fs = std::filesystem;

bool MissingOrEmpty(const fs::path& folder) {
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        return true;
    }
    return fs::is_directory(folder, ec) && fs::is_empty(folder, ec);
}

bool MadeByTheGame(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / kInstalledCopiesFile, ec);
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::optional<fs::path> PerUserGameFolder(const std::string& xdgDataHome, const std::string& home) {
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute()) {
        return fs::path(xdgDataHome) / "xuehai";
    }
    if (home.empty() || !fs::path(home).is_absolute()) {
        return std::nullopt;
    }
    return fs::path(home) / ".local" / "share" / "xuehai";
}

std::optional<fs::path> PerUserGameFolder() {
    return PerUserGameFolder(Environment("XDG_DATA_HOME"), Environment("HOME"));
}

GameFolderPlace ChooseGameFolder(const GameFolderInputs& inputs) {
    std::error_code ec;
    const bool installed =
        !inputs.installedData.empty() && fs::is_directory(inputs.installedData, ec);
    const fs::path source = installed ? inputs.installedData.lexically_normal() : fs::path();
    if (inputs.chosenFolder) {
        const fs::path folder = fs::absolute(*inputs.chosenFolder).lexically_normal();
        const bool keepUpToDate = MissingOrEmpty(folder) || MadeByTheGame(folder);
        return {folder, keepUpToDate ? source : fs::path()};
    }
    if (installed) {
        const std::optional<fs::path> own = PerUserGameFolder(inputs.xdgDataHome, inputs.home);
        if (!own) {
            throw Error(
                "找不到你的主文件夹，游戏没有地方保存进度。\n"
                "请用 --data 文件夹 指定一个可以写入的游戏文件夹。");
        }
        return {*own, source};
    }
    return {inputs.programFolder, {}};
}

GameFolderInputs ProcessGameFolderInputs(const fs::path& programFolder,
                                         const fs::path& installedDataRelative,
                                         std::optional<fs::path> chosenFolder) {
    GameFolderInputs inputs;
    inputs.programFolder = programFolder;
    inputs.installedData = (programFolder / installedDataRelative).lexically_normal();
    inputs.chosenFolder = std::move(chosenFolder);
    inputs.xdgDataHome = Environment("XDG_DATA_HOME");
    inputs.home = Environment("HOME");
    return inputs;
}

}  // namespace xuehai
