// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace xuehai::test {

struct ToolResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A scratch folder per test, and xuehai-bank run in it as a script would run it.
class BankToolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Path(const std::string& name) const { return folder_ / name; }
    std::string Write(const std::string& name, const std::string& text) const;
    static std::string Read(const std::filesystem::path& path);

    ToolResult Run(const std::vector<std::string>& args) const;
    // Builds source text into name and expects success; answers the bank's path.
    std::string Build(const std::string& name, const std::string& source) const;

    // Runs SQL on a file directly, as someone with the sqlite3 shell would.
    static void Sql(const std::string& path, const std::string& sql);
    // The first column of the first row of a query, "NULL" or "none" when there is none.
    static std::string Value(const std::string& path, const std::string& sql);

private:
    std::filesystem::path folder_;
};

// A question source line: question, answers 甲乙丙丁 prefixed by the question, right, flag.
std::string QuestionLine(const std::string& question, const std::string& right = "A",
                         const std::string& flag = "1");

}  // namespace xuehai::test
