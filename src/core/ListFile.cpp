// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ListFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "core/CodePage936.h"
#include "core/Errors.h"
#include "core/GamePath.h"

namespace xuehai {

std::vector<std::string> ReadListFile(const std::string& gamePath) {
    const std::filesystem::path file = ResolveGamePath(gamePath);
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw Error("cannot open list file '" + file.string() + "'");
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw Error("cannot read list file '" + file.string() + "'");
    }

    std::vector<std::string> lines;
    std::string_view rest(bytes);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(Cp936ToUtf8(line));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return lines;
}

}  // namespace xuehai
