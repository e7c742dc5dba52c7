// SPDX-License-Identifier: GPL-3.0-or-later
#include "userfolder/InstalledCopies.h"

#include <fstream>
#include <sstream>

#include "core/Errors.h"

namespace xuehai {

namespace fs = std::filesystem;

InstalledCopies::Version InstalledCopies::VersionOf(const fs::path& file) {
    Version version;
    version.size = fs::file_size(file);
    version.changed = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          fs::last_write_time(file).time_since_epoch())
                          .count();
    return version;
}

InstalledCopies InstalledCopies::Read(const fs::path& listFile) {
    InstalledCopies copies;
    std::ifstream in(listFile);
    std::string line;
    while (std::getline(in, line)) {
        const auto first = line.find('\t');
        const auto second = line.find('\t', first == std::string::npos ? first : first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            continue;
        }
        Version version;
        std::istringstream figures(line.substr(first + 1));
        if (figures >> version.size >> version.changed) {
            copies.copies_[line.substr(0, first)] = version;
        }
    }
    return copies;
}

void InstalledCopies::Write(const fs::path& listFile) const {
    const fs::path scratch = listFile.string() + ".new";
    {
        std::ofstream out(scratch, std::ios::trunc);
        for (const auto& [relative, version] : copies_) {
            out << relative << '\t' << version.size << '\t' << version.changed << '\n';
        }
        out.flush();
        if (!out) {
            throw Error("cannot write '" + scratch.string() + "'");
        }
    }
    std::error_code ec;
    fs::rename(scratch, listFile, ec);
    if (ec) {
        throw Error("cannot write '" + listFile.string() + "': " + ec.message());
    }
}

bool InstalledCopies::IsCopyOf(const std::string& relative, const Version& version) const {
    const auto found = copies_.find(relative);
    return found != copies_.end() && found->second == version;
}

void InstalledCopies::Record(const std::string& relative, const Version& version) {
    copies_[relative] = version;
}

}  // namespace xuehai
