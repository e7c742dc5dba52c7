// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace xuehai::testing {

// Reads a database file the way an outsider would, past the game's own adapter: the first
// column of the first row the query answers, as text; "none" when there is no row, "NULL"
// for a NULL. A query the engine refuses fails the running test.
std::string SqlValue(const std::filesystem::path& file, const std::string& sql);

// Runs statements on the file directly, to set up states the game would never write.
void SqlRun(const std::filesystem::path& file, const std::string& sql);

}  // namespace xuehai::testing
