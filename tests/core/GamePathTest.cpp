// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "core/Errors.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"

namespace xuehai {
namespace {

class GamePath : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "xuehai-core-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        SetProgramFolder(folder_);
        std::filesystem::create_directories(folder_ / "Save");
        std::filesystem::create_directories(folder_ / "Data" / "Qut004");
        std::ofstream(folder_ / "Save" / "userinfo.dat") << "x";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(GamePath, ProgramFolderEndsInASlash) {
    EXPECT_EQ(ProgramFolder(), folder_.string() + "/");
}

TEST_F(GamePath, SpellingsInAnyLetterCaseFindTheOneFile) {
    const std::filesystem::path file = folder_ / "Save" / "userinfo.dat";
    EXPECT_EQ(ResolveGamePath(ProgramFolder() + "Save\\userinfo.dat"), file);
    EXPECT_EQ(ResolveGamePath(ProgramFolder() + "save\\UserInfo.dat"), file);
    EXPECT_EQ(ResolveGamePath("SAVE\\USERINFO.DAT"), file);
    EXPECT_EQ(ResolveGamePath("Save/./userinfo.dat"), file);
}

TEST_F(GamePath, MissingNameIsKeptAsWrittenInsideTheFolder) {
    EXPECT_EQ(ResolveGamePath("data\\Qut004\\004.dat"), folder_ / "Data" / "Qut004" / "004.dat");
    EXPECT_EQ(ResolveGamePath("map.mp3"), folder_ / "map.mp3");
}

TEST_F(GamePath, NoPathLeavesTheGameFolder) {
    EXPECT_THROW(ResolveGamePath("..\\x.dat"), PathError);
    EXPECT_THROW(ResolveGamePath("Save\\..\\..\\x.dat"), PathError);
    EXPECT_THROW(ResolveGamePath("/etc/passwd"), PathError);
    EXPECT_THROW(ResolveGamePath(folder_.string() + "x/a.dat"), PathError);
}

TEST_F(GamePath, SymbolicLinksCountByWhereTheyLead) {
    const std::filesystem::path outside = folder_.string() + "-outside";
    std::filesystem::create_directories(outside);
    std::ofstream(outside / "secret.dat") << "x";
    std::filesystem::create_symlink(outside / "secret.dat", folder_ / "Save" / "link.dat");
    std::filesystem::create_directory_symlink(outside, folder_ / "Data" / "Out");
    std::filesystem::create_directory_symlink(folder_ / "Save", folder_ / "Data" / "Saves");
    EXPECT_THROW(ResolveGamePath("Save\\link.dat"), PathError);
    EXPECT_THROW(ResolveGamePath("data\\out\\secret.dat"), PathError);
    EXPECT_THROW(ResolveGamePath("Data\\Out\\missing.dat"), PathError);
    EXPECT_EQ(ResolveGamePath("Data\\Saves\\userinfo.dat"),
              folder_ / "Data" / "Saves" / "userinfo.dat");
    std::filesystem::remove_all(outside);
}

TEST_F(GamePath, AGameFolderReachedThroughALinkStillHoldsItsFiles) {
    const std::filesystem::path link = folder_.string() + "-link";
    std::filesystem::create_directory_symlink(folder_, link);
    SetProgramFolder(link);
    EXPECT_EQ(ResolveGamePath(ProgramFolder() + "Save\\userinfo.dat"),
              link / "Save" / "userinfo.dat");
    std::filesystem::remove(link);
}

// A folder name is the system's own: a backslash in it is a letter, not a separator.
TEST_F(GamePath, BackslashesInTheFolderNameStayLetters) {
    const std::filesystem::path odd = folder_ / "a\\b";
    std::filesystem::create_directories(odd / "Save");
    std::ofstream(odd / "Save" / "userinfo.dat") << "x";
    SetProgramFolder(odd);
    EXPECT_EQ(ResolveGamePath(ProgramFolder() + "save\\userinfo.dat"),
              odd / "Save" / "userinfo.dat");
    EXPECT_EQ(ResolveGamePath("Save\\userinfo.dat"), odd / "Save" / "userinfo.dat");
    EXPECT_THROW(ResolveGamePath("\\etc\\passwd"), PathError);
}

}  // namespace
}  // namespace xuehai
