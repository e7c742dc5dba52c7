// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/FailureLog.h"

#include <QDateTime>
#include <cstdio>
#include <fstream>

namespace xuehai {

namespace {

constexpr std::uintmax_t kLogLimit = 256 * 1024;

}  // namespace

std::filesystem::path LogFailure(const std::filesystem::path& folder, const std::string& entry) {
    const std::string stamp = QDateTime::currentDateTime().toString(Qt::ISODate).toStdString();
    std::fprintf(stderr, "xuehai: %s\n", entry.c_str());
    const std::filesystem::path log = folder / kFailureLogName;
    std::error_code ec;
    if (std::filesystem::file_size(log, ec) > kLogLimit && !ec) {
        std::filesystem::rename(log, log.string() + ".old", ec);
    }
    std::ofstream out(log, std::ios::app);
    out << stamp << ' ' << entry << '\n';
    out.flush();
    return out ? log : std::filesystem::path();
}

}  // namespace xuehai
