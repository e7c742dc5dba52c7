// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SqlProbe.h"
#include "TeacherFolder.h"
#include "classroom/PlayerAdmin.h"
#include "core/Errors.h"

namespace xuehai::test {

namespace {

using testing::SqlValue;

class PlayerAdminTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.AddPlayer("小明", 1500);
        folder_.AddPlayer("小红", 300);
        folder_.Answer("小明", 0, true);
        folder_.Answer("小明", 1, false);
        folder_.Answer("小红", 0, true);
    }

    std::string Count(const std::filesystem::path& file, const std::string& table,
                      const std::string& name) {
        return SqlValue(file, "SELECT COUNT(*) FROM " + table + " WHERE UserName = '" + name + "'");
    }

    TeacherFolder folder_;
};

TEST_F(PlayerAdminTest, RenameMovesEveryRowAndKeepsACopyOfEachFileFirst) {
    classroom::PlayerAdmin admin(folder_.Path());
    admin.Rename("小明", "王小明");
    EXPECT_EQ(Count(folder_.Records(), "UserInfo", "王小明"), "1");
    EXPECT_EQ(Count(folder_.Records(), "UserInfo", "小明"), "0");
    EXPECT_EQ(Count(folder_.Bank(), "[User-Question]", "王小明"), "2");
    EXPECT_EQ(Count(folder_.Bank(), "UserStats", "王小明"), "1");
    EXPECT_EQ(Count(folder_.Bank(), "[User-Question]", "小红"), "1");
    // The copies hold the files as they were.
    const auto copy = admin.LastBackup();
    EXPECT_EQ(copy.parent_path().filename(), "备份");
    EXPECT_EQ(Count(copy / "Save/userinfo.dat", "UserInfo", "小明"), "1");
    EXPECT_EQ(Count(copy / "Data/Qut001/001.dat", "[User-Question]", "小明"), "2");
}

TEST_F(PlayerAdminTest, RenameToATakenOrEmptyNameChangesNothing) {
    classroom::PlayerAdmin admin(folder_.Path());
    EXPECT_THROW(admin.Rename("小明", "小红"), Error);
    EXPECT_THROW(admin.Rename("小明", ""), Error);
    EXPECT_THROW(admin.Rename("没有这人", "新名"), Error);
    EXPECT_EQ(Count(folder_.Records(), "UserInfo", "小明"), "1");
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "备份"));
}

TEST_F(PlayerAdminTest, ResetClearsProgressButKeepsThePlayerAndOthers) {
    classroom::PlayerAdmin admin(folder_.Path());
    admin.ResetProgress("小明");
    EXPECT_EQ(
        SqlValue(folder_.Records(),
                 "SELECT UserScore || ',' || UserClass FROM UserInfo WHERE UserName = '小明'"),
        "0,1");
    EXPECT_EQ(Count(folder_.Bank(), "[User-Question]", "小明"), "0");
    EXPECT_EQ(Count(folder_.Bank(), "UserStats", "小明"), "0");
    EXPECT_EQ(Count(folder_.Bank(), "[User-Question]", "小红"), "1");
    EXPECT_EQ(Count(admin.LastBackup() / "Data/Qut001/001.dat", "[User-Question]", "小明"), "2");
}

TEST_F(PlayerAdminTest, RemoveTakesThePlayerOutOfEveryFile) {
    classroom::PlayerAdmin admin(folder_.Path());
    admin.Remove("小明");
    EXPECT_EQ(Count(folder_.Records(), "UserInfo", "小明"), "0");
    EXPECT_EQ(Count(folder_.Bank(), "[User-Question]", "小明"), "0");
    EXPECT_EQ(Count(folder_.Records(), "UserInfo", "小红"), "1");
    EXPECT_EQ(Count(admin.LastBackup() / "Save/userinfo.dat", "UserInfo", "小明"), "1");
}

}  // namespace

}  // namespace xuehai::test
