// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTestSupport.h"

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "SqlProbe.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"

namespace xuehai::test {

namespace {

std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

void BankToolTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("xuehai-tools-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    // The store's classes stand in for the game, which opens files in its own folder.
    SetProgramFolder(folder_);
}

void BankToolTest::TearDown() {
    ReleaseIdleConnections();
    std::filesystem::remove_all(folder_);
}

std::string BankToolTest::Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name).string();
}

std::string BankToolTest::Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ToolResult BankToolTest::Run(const std::vector<std::string>& args) const {
    std::string command = "cd " + Quote(folder_.string()) + " && " + Quote(XUEHAI_BANK_TOOL);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    const auto out = Path(".stdout");
    const auto err = Path(".stderr");
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int raw = std::system(command.c_str());
    ToolResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(out), Read(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

std::string BankToolTest::Build(const std::string& name, const std::string& source) const {
    const std::string csv = Write(name + ".csv", source);
    const ToolResult result = Run({"build", csv, Path(name).string()});
    EXPECT_EQ(result.status, 0) << result.err;
    return Path(name).string();
}

void BankToolTest::Sql(const std::string& path, const std::string& sql) {
    ReleaseIdleConnections();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message << " in " << sql;
}

std::string BankToolTest::Value(const std::string& path, const std::string& sql) {
    ReleaseIdleConnections();
    return testing::SqlValue(path, sql);
}

std::string QuestionLine(const std::string& question, const std::string& right,
                         const std::string& flag) {
    return question + "," + question + "甲," + question + "乙," + question + "丙," + question +
           "丁," + right + "," + flag + "\n";
}

}  // namespace xuehai::test
