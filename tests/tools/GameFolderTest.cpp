// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/CodePage936.h"

namespace {

using ::testing::HasSubstr;

const std::filesystem::path kGame = XUEHAI_GAME_DIR;
const std::filesystem::path kGameData = XUEHAI_GAMEDATA_DIR;

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Subject {
    std::string code;
    std::string name;
};

std::vector<Subject> Subjects() {
    std::istringstream in(Read(kGameData / "subjects.csv"));
    std::vector<Subject> subjects;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const auto comma = line.find(',');
        subjects.push_back(
            {line.substr(0, comma), line.substr(comma + 1, line.find(',', comma + 1) - comma - 1)});
    }
    return subjects;
}

bool IsMp3(const std::filesystem::path& path) {
    const std::string bytes = Read(path);
    return bytes.size() > 20000 &&
           (bytes.starts_with("ID3") || static_cast<unsigned char>(bytes[0]) == 0xFF);
}

// The build laid out the folder the game's paths expect, from the lists in gamedata.
TEST(GameFolderTest, HoldsEverySubjectInTheOrderOfTheSubjectList) {
    std::string names;
    std::string codes;
    for (const Subject& subject : Subjects()) {
        names += subject.name + "\n";
        codes += subject.code + "\n";
        const auto folder = kGame / "Data" / ("Qut" + subject.code);
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / (subject.code + ".dat")));
        EXPECT_TRUE(IsMp3(folder / (subject.code + ".mp3"))) << subject.code;
        EXPECT_THAT(Read(folder / ("Q" + subject.code + ".mod")),
                    HasSubstr("subjectName: \"" + subject.name + "\""));
    }
    EXPECT_EQ(Read(kGame / "AliginA.cfg"), xuehai::Utf8ToCp936(names));
    EXPECT_EQ(Read(kGame / "AliginB.cfg"), codes);
    EXPECT_THAT(Read(kGame / "Xuehai/Ui/Subjects.js"), HasSubstr("name: \"名著\""));
}

TEST(GameFolderTest, HoldsTheMoviesMusicTestsAndRecords) {
    for (const char* movie :
         {"title.avi", "s1.mod", "bo.mod", "map.mod", "sd.mod", "Data/fight/fight1.mod",
          "Data/fight/fight2.mod", "Data/RunPig/pig.mod", "Xuehai/Ui/qmldir"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(kGame / movie)) << movie;
    }
    EXPECT_TRUE(IsMp3(kGame / "map.mp3"));
    EXPECT_TRUE(IsMp3(kGame / "Data/fight/1.mp3"));
    for (const char* test : {"q001", "q002", "q003"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(kGame / "Data/q" / test / "q.dat")) << test;
        EXPECT_TRUE(std::filesystem::is_regular_file(kGame / "Data/q" / test / "q.mod")) << test;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(kGame / "Save/userinfo.dat"));
}

}  // namespace
