// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "SqlProbe.h"
#include "authoring/BankUpdate.h"
#include "authoring/GameFile.h"
#include "store/Connection.h"

namespace xuehai::bank {
namespace {

namespace fs = std::filesystem;
using testing::SqlRun;
using testing::SqlValue;

Question Q(const std::string& text) {
    return {text, {"甲", "乙", "丙", "丁"}, "A", "1"};
}

class BankUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        bankFile =
            fs::temp_directory_path() / ("xuehai-bank-" + std::to_string(::getpid()) + ".dat");
        fs::remove(bankFile);
    }
    void TearDown() override {
        ReleaseIdleConnections();
        fs::remove(bankFile);
    }
    bool Write(const std::vector<Question>& questions,
               const std::function<void(std::size_t)>& progress = {}) {
        const bool changed =
            WriteGameFile(bankFile, DatabaseKind::QuestionBank, true,
                          [&](sqlite3* db) { return UpdateBank(db, questions, progress).changed; });
        ReleaseIdleConnections();
        return changed;
    }
    fs::path bankFile;
};

TEST_F(BankUpdateTest, WritesAndRewritesWithoutAProgressCallback) {
    ASSERT_TRUE(Write({Q("一年有几个季节？"), Q("太阳从哪边升起？")}));
    SqlRun(bankFile,
           "INSERT INTO [User-Question](QuestionID, UserName, RightCount) VALUES(1, '小明', 2)");

    // An empty callback, as a caller holding a std::function may pass one, means the same.
    ASSERT_TRUE(Write({Q("太阳从哪边升起？"), Q("一周有几天？"), Q("水的沸点是多少度？")},
                      std::function<void(std::size_t)>()));
    EXPECT_EQ(SqlValue(bankFile, "SELECT COUNT(*) FROM Question"), "3");
    EXPECT_EQ(SqlValue(bankFile, "SELECT QuestionID || ':' || RightCount FROM [User-Question]"),
              "0:2");
    EXPECT_FALSE(Write({Q("太阳从哪边升起？"), Q("一周有几天？"), Q("水的沸点是多少度？")}));
}

TEST_F(BankUpdateTest, ProgressCountsEveryQuestionWrittenAndNothingWhenUnchanged) {
    const std::vector<Question> questions{Q("一"), Q("二"), Q("三")};
    std::vector<std::size_t> told;
    Write(questions, [&](std::size_t done) { told.push_back(done); });
    EXPECT_EQ(told, (std::vector<std::size_t>{1, 2, 3}));

    told.clear();
    Write(questions, [&](std::size_t done) { told.push_back(done); });
    EXPECT_TRUE(told.empty());
}

}  // namespace
}  // namespace xuehai::bank
