// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "SqlProbe.h"
#include "authoring/BankUpdate.h"
#include "authoring/GameFile.h"
#include "core/Errors.h"
#include "store/Connection.h"
#include "store/DatabaseFiles.h"
#include "userfolder/GameFolderUpdate.h"

namespace xuehai {
namespace {

namespace fs = std::filesystem;
using testing::SqlRun;
using testing::SqlValue;

bank::Question Q(const std::string& text, const std::string& right = "A") {
    return {text, {"甲", "乙", "丙", "丁"}, right, "1"};
}

std::string Read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class FolderUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("xuehai-update-" + std::to_string(::getpid()));
        fs::remove_all(root);
        installed = root / "share/games/xuehai";
        folder = root / "home/.local/share/xuehai";
        fs::create_directories(installed / "Data/Qut001");
        fs::create_directories(installed / "Xuehai/Ui");
        Ship("s1.mod", "login movie 1");
        Ship("Xuehai/Ui/qmldir", "module Xuehai.Ui");
        ShipBank({Q("一年有几个季节？"), Q("太阳从哪边升起？"), Q("水的沸点是多少度？")});
    }
    void TearDown() override {
        ReleaseIdleConnections();
        fs::remove_all(root);
    }

    // Files of a new version of the package differ in time of change, as dpkg unpacks them.
    void Touch(const fs::path& file) {
        static int tick = 0;
        fs::last_write_time(file, fs::file_time_type::clock::now() + std::chrono::seconds(++tick));
    }
    void Ship(const std::string& relative, const std::string& text) {
        std::ofstream(installed / relative, std::ios::trunc) << text;
        Touch(installed / relative);
    }
    void ShipBank(const std::vector<bank::Question>& questions) {
        const fs::path bankFile = installed / "Data/Qut001/001.dat";
        fs::remove(bankFile);
        bank::WriteGameFile(bankFile, DatabaseKind::QuestionBank, false, [&](sqlite3* db) {
            return bank::UpdateBank(db, questions).changed;
        });
        ReleaseIdleConnections();
        Touch(bankFile);
    }
    GameFolderUpdate Start() {
        GameFolderUpdate update = BringGameFolderUpToDate(installed, folder);
        ReleaseIdleConnections();
        return update;
    }
    fs::path Bank() const { return folder / "Data/Qut001/001.dat"; }

    fs::path root;
    fs::path installed;
    fs::path folder;
};

TEST_F(FolderUpdate, TheFirstStartMakesAWholeGameFolder) {
    const GameFolderUpdate update = Start();
    EXPECT_TRUE(update.problems.empty());
    EXPECT_EQ(update.filesCopied, 3);
    EXPECT_EQ(Read(folder / "s1.mod"), "login movie 1");
    EXPECT_EQ(Read(folder / "Xuehai/Ui/qmldir"), "module Xuehai.Ui");
    EXPECT_EQ(SqlValue(Bank(), "SELECT COUNT(*) FROM Question"), "3");
    EXPECT_EQ(SqlValue(folder / "Save/userinfo.dat", "SELECT COUNT(*) FROM UserInfo"), "0");

    // Nothing changed: nothing is copied again.
    const GameFolderUpdate again = Start();
    EXPECT_EQ(again.filesCopied + again.banksUpdated, 0);
}

TEST_F(FolderUpdate, AnUpgradeBringsNewQuestionsAndKeepsEveryPlayersProgress) {
    Start();
    SqlRun(folder / "Save/userinfo.dat",
           "INSERT INTO UserInfo(UserName, UserScore, UserRight) VALUES('小明', 30, 3)");
    SqlRun(Bank(),
           "INSERT INTO UserStats(UserName, UserRight, UserWrong) VALUES('小明', 3, 1);"
           "INSERT INTO [User-Question](QuestionID, UserName, RightCount) VALUES(0, '小明', 2);"
           "INSERT INTO [User-Question](QuestionID, UserName, RightCount) VALUES(1, '小明', 1);"
           "INSERT INTO [User-Question](QuestionID, UserName, WrongCount) VALUES(2, '小明', 1)");
    std::ofstream(folder / "notes.txt") << "a teacher's note";

    // The new version replaces the third question (another text and another answer, so no
    // rewording), adds a fourth and changes a movie.
    ShipBank({Q("一年有几个季节？"), Q("太阳从哪边升起？"), Q("一周有几天？", "B"),
              Q("月亮绕着什么转？")});
    Ship("s1.mod", "login movie 2");
    const GameFolderUpdate update = Start();

    EXPECT_TRUE(update.problems.empty()) << update.problems.front();
    EXPECT_EQ(update.banksUpdated, 1);
    EXPECT_EQ(Read(folder / "s1.mod"), "login movie 2");
    EXPECT_EQ(SqlValue(Bank(), "SELECT COUNT(*) FROM Question"), "4");
    // The kept questions keep their answers; the replaced one's go with it.
    EXPECT_EQ(SqlValue(Bank(), "SELECT SUM(RightCount) FROM [User-Question] WHERE UserName='小明'"),
              "3");
    EXPECT_EQ(SqlValue(Bank(), "SELECT SUM(WrongCount) FROM [User-Question] WHERE UserName='小明'"),
              "0");
    EXPECT_EQ(SqlValue(Bank(), "SELECT UserRight FROM UserStats WHERE UserName='小明'"), "3");
    EXPECT_EQ(SqlValue(folder / "Save/userinfo.dat", "SELECT UserScore FROM UserInfo"), "30");
    EXPECT_EQ(Read(folder / "notes.txt"), "a teacher's note");
}

TEST_F(FolderUpdate, ABankThatCannotBeReadIsTriedAgainAndThePlayersCopyStays) {
    Start();
    SqlRun(Bank(), "INSERT INTO UserStats(UserName, UserRight) VALUES('小红', 5)");
    Ship("Data/Qut001/001.dat", "not a database at all, but long enough to be read as one......");

    const GameFolderUpdate broken = Start();
    ASSERT_EQ(broken.problems.size(), 1u);
    EXPECT_NE(broken.problems.front().find("Data/Qut001/001.dat"), std::string::npos);
    EXPECT_EQ(SqlValue(Bank(), "SELECT UserRight FROM UserStats"), "5");
    EXPECT_FALSE(fs::exists(Bank().string() + ".installed")) << "the scratch copy is left behind";

    ShipBank({Q("一年有几个季节？")});
    const GameFolderUpdate mended = Start();
    EXPECT_TRUE(mended.problems.empty());
    EXPECT_EQ(mended.banksUpdated, 1);
    EXPECT_EQ(SqlValue(Bank(), "SELECT COUNT(*) FROM Question"), "1");
    EXPECT_EQ(SqlValue(Bank(), "SELECT UserRight FROM UserStats"), "5");
}

TEST_F(FolderUpdate, AFileThePlayerLostIsCopiedAgainAndTheRecordsAreNeverReplaced) {
    Start();
    SqlRun(folder / "Save/userinfo.dat", "INSERT INTO UserInfo(UserName) VALUES('小刚')");
    fs::remove(folder / "s1.mod");
    // A package that ships player records by mistake cannot overwrite anyone's.
    fs::create_directories(installed / "Save");
    CreateDatabaseFile(installed / "Save/userinfo.dat", DatabaseKind::PlayerRecords);
    ReleaseIdleConnections();

    Start();
    EXPECT_EQ(Read(folder / "s1.mod"), "login movie 1");
    EXPECT_EQ(SqlValue(folder / "Save/userinfo.dat", "SELECT UserName FROM UserInfo"), "小刚");
}

TEST_F(FolderUpdate, AFolderThatCannotBeMadeIsAnError) {
    std::ofstream(root / "home") << "a file where the home folder should be";
    EXPECT_THROW(Start(), Error);
}

}  // namespace
}  // namespace xuehai
