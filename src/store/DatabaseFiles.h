// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace xuehai {

enum class DatabaseKind { PlayerRecords, QuestionBank, Questionnaire };

// Creates a new, empty database file of the kind at path (which must not exist yet), with
// the game's password, tables, counter defaults of 0 and indexes. Used by tools and tests;
// the game itself never creates a database.
void CreateDatabaseFile(const std::filesystem::path& path, DatabaseKind kind);

}  // namespace xuehai
