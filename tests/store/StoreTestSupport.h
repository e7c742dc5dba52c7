// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Errors.h"
#include "store/DatabaseFiles.h"
#include "store/GameRandom.h"

namespace xuehai::test {

// A game folder of its own in the temporary folder for each test, set as the program folder
// and removed afterwards with everything in it.
class GameFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder with its trailing '/', as the screens prefix their relative paths.
    std::string Folder() const { return folder_.string() + "/"; }
    // Creates an empty database of kind at the relative path (forward slashes) and answers
    // its full path as the screens would name it.
    std::string Create(const std::string& relative, DatabaseKind kind);
    // Runs a statement on the file at full path, around the store's data classes.
    void Run(const std::string& path, const std::string& sql);
    // "SELECT column FROM rest": the first row's value as text, "NULL" for a missing value,
    // "none" when there is no row.
    std::string Value(const std::string& path, const std::string& column, const std::string& rest);
    // Inserts question id with its texts (UTF-8) scrambled as the banks store them; the
    // answers are the question text followed by 甲, 乙, 丙 and 丁.
    void AddQuestion(const std::string& bank, std::int32_t id, const std::string& question,
                     const std::string& right = "A", const std::string& flag = "0");

private:
    std::filesystem::path folder_;
};

// The clock of GameRandom reads the given times of day in turn, the last one for ever.
// Answers the number of readings so far.
std::shared_ptr<std::size_t> UseClock(std::initializer_list<std::uint32_t> times);

}  // namespace xuehai::test
