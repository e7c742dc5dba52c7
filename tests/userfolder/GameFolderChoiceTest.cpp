// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "core/Errors.h"
#include "userfolder/GameFolderChoice.h"

namespace xuehai {
namespace {

namespace fs = std::filesystem;

class FolderChoice : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("xuehai-choice-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "usr/games");
        fs::create_directories(root / "build/game");
        inputs.home = (root / "home").string();
    }
    void TearDown() override { fs::remove_all(root); }

    void Install() { fs::create_directories(root / "usr/share/games/xuehai"); }

    GameFolderInputs Installed() {
        GameFolderInputs installed = inputs;
        installed.programFolder = root / "usr/games";
        installed.installedData = root / "usr/games/../share/games/xuehai";
        return installed;
    }

    fs::path root;
    GameFolderInputs inputs;
};

TEST_F(FolderChoice, ABuildTreePlaysInItsOwnFolder) {
    inputs.programFolder = root / "build/game";
    inputs.installedData = root / "build/game/../share/games/xuehai";
    const GameFolderPlace place = ChooseGameFolder(inputs);
    EXPECT_EQ(place.folder, root / "build/game");
    EXPECT_TRUE(place.installedData.empty()) << "nothing may be copied over a build tree";
}

TEST_F(FolderChoice, AnInstalledGamePlaysInTheUsersDataFolder) {
    Install();
    GameFolderInputs installed = Installed();
    GameFolderPlace place = ChooseGameFolder(installed);
    EXPECT_EQ(place.folder, root / "home/.local/share/xuehai");
    EXPECT_EQ(place.installedData, root / "usr/share/games/xuehai");

    installed.xdgDataHome = (root / "data").string();
    EXPECT_EQ(ChooseGameFolder(installed).folder, root / "data/xuehai");
    // A relative XDG_DATA_HOME is to be ignored.
    installed.xdgDataHome = "relative/data";
    EXPECT_EQ(ChooseGameFolder(installed).folder, root / "home/.local/share/xuehai");

    installed.home.clear();
    EXPECT_THROW(ChooseGameFolder(installed), Error);
}

TEST_F(FolderChoice, AChosenFolderIsKeptUpToDateOnlyWhenTheGameMadeIt) {
    Install();
    GameFolderInputs chosen = Installed();

    chosen.chosenFolder = root / "class";  // not there yet
    EXPECT_EQ(ChooseGameFolder(chosen).installedData, root / "usr/share/games/xuehai");
    fs::create_directories(root / "class");  // empty
    EXPECT_EQ(ChooseGameFolder(chosen).installedData, root / "usr/share/games/xuehai");

    // A teacher's own folder is played as it is: its banks are nobody else's to replace.
    std::ofstream(root / "class/s1.mod") << "movie";
    GameFolderPlace place = ChooseGameFolder(chosen);
    EXPECT_EQ(place.folder, root / "class");
    EXPECT_TRUE(place.installedData.empty());

    std::ofstream(root / "class" / kInstalledCopiesFile) << "";
    EXPECT_EQ(ChooseGameFolder(chosen).installedData, root / "usr/share/games/xuehai");
}

TEST_F(FolderChoice, AChosenFolderWorksWithoutAnInstalledGame) {
    inputs.programFolder = root / "build/game";
    inputs.chosenFolder = fs::path("relative-class");
    const GameFolderPlace place = ChooseGameFolder(inputs);
    EXPECT_TRUE(place.folder.is_absolute());
    EXPECT_EQ(place.folder.filename(), "relative-class");
    EXPECT_TRUE(place.installedData.empty());
}

}  // namespace
}  // namespace xuehai
