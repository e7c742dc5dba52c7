// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "BankPage.h"
#include "NewSubjectDialog.h"
#include "TeacherFolder.h"
#include "core/ListFile.h"
#include "core/ProgramFolder.h"
#include "subjects/MapSubjects.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;

// The map's files beside the teacher's folder: its two subjects on the map, the map movie's
// world and 语文's music.
void AddMap(const TeacherFolder& folder) {
    std::filesystem::create_directories(folder.Path() / "Xuehai/Ui");
    std::ofstream(folder.Path() / "Xuehai/Ui/Subjects.js")
        << ".pragma library\n\nvar list = [\n"
           "    {code: \"001\", name: \"语文\", region: 1, x: 180, y: 150},\n"
           "    {code: \"002\", name: \"英语\", region: 1, x: 420, y: 120},\n"
           "];\n";
    std::ofstream(folder.Path() / "map.mod")
        << "Clip {\n    readonly property int worldWidth: 1240\n"
           "    readonly property int worldHeight: 940\n}\n";
    std::ofstream(folder.Path() / "Data/Qut001/001.mp3") << "music";
}

TEST(NewSubjectDialogTest, SaysWhyWhileTypingAndAddsASubjectTheBanksPageOpens) {
    TeacherFolder folder;
    AddMap(folder);
    const subjects::GameSubjects subjects(folder.Path());
    teacher::NewSubjectDialog dialog(subjects);
    EXPECT_FALSE(dialog.AddButton().isEnabled());

    dialog.Name().setText(QStringLiteral("英语"));
    EXPECT_FALSE(dialog.AddButton().isEnabled());
    EXPECT_THAT(dialog.Verdict().toStdString(), HasSubstr("已经有叫“英语”的科目"));
    dialog.Name().setText(QStringLiteral("书法"));
    ASSERT_TRUE(dialog.AddButton().isEnabled()) << dialog.Verdict().toStdString();
    EXPECT_THAT(dialog.Verdict().toStdString(), HasSubstr("科目代码 003，放在地图上橙色的地方，“"));
    dialog.Region().setCurrentIndex(2);
    ASSERT_TRUE(dialog.Add());
    ASSERT_TRUE(dialog.Added());
    EXPECT_EQ(dialog.Added()->region, 3);

    SetProgramFolder(folder.Path());
    EXPECT_EQ(ReadListFile("AliginA.cfg").back(), "书法");
    std::ifstream mapList(folder.Path() / "Xuehai/Ui/Subjects.js");
    const std::string text{std::istreambuf_iterator<char>(mapList), {}};
    EXPECT_EQ(subjects::ParseMapSubjects(text).back().name, "书法");

    teacher::BankPage banks;
    banks.SetGameFolder(folder.Path());
    ASSERT_TRUE(banks.OpenSubjectCode(QStringLiteral("003")));
    EXPECT_EQ(banks.Model().rowCount(), 0);
    EXPECT_FALSE(banks.OpenSubjectCode(QStringLiteral("004")));
}

}  // namespace

}  // namespace xuehai::test
