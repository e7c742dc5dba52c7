// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>
#include <sstream>

#include "Command.h"
#include "authoring/SourceEncoding.h"
#include "authoring/ToolError.h"

namespace xuehai::bank {

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf()) || in.bad()) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec) &&
            std::filesystem::file_size(path, ec) == 0) {
            return {};
        }
        throw ToolError(kExitFile, "cannot read '" + path.string() + "'");
    }
    return text.str();
}

std::string ReadSourceFile(const std::filesystem::path& path) {
    std::string text = ReadTextFile(path);
    if (text.find('\0') != std::string::npos) {
        throw ToolError(kExitProblems, "'" + path.string() + "' is no text file; nothing written");
    }
    DecodedSource decoded = DecodeSource(text);
    if (decoded.encoding == SourceEncoding::Gb18030) {
        std::cerr << path.string() << ": 按 GBK/GB18030 编码读入（不是 UTF-8）\n";
    }
    return std::move(decoded.utf8);
}

int ReportSourceProblems(const std::string& source, const SourceProblems& problems) {
    // A wrong file given as the source fails on every line; the first screenful tells.
    constexpr std::size_t kShown = 40;
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i) {
        std::cerr << source << ':' << problems[i].line << ": " << problems[i].message << '\n';
    }
    if (problems.size() > kShown) {
        std::cerr << source << ": ... and " << problems.size() - kShown << " more\n";
    }
    if (problems.empty()) {
        return kExitOk;
    }
    std::cerr << source << ": " << problems.size()
              << (problems.size() == 1 ? " problem" : " problems") << "; nothing written\n";
    return kExitProblems;
}

}  // namespace xuehai::bank
