// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace xuehai {

// The log of what went wrong, kept in the game folder for a teacher or a parent to read.
inline constexpr const char* kFailureLogName = "xuehai.log";

// Adds a dated entry to folder's log, which is started afresh (the old one kept beside it)
// once it outgrows about a quarter of a megabyte. Also written to standard error. Answers
// the log file, or an empty path when the folder cannot be written.
std::filesystem::path LogFailure(const std::filesystem::path& folder, const std::string& entry);

}  // namespace xuehai
