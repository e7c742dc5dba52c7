// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBrush>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "ClassPage.h"
#include "TeacherFolder.h"
#include "classroom/FolderClassSource.h"

namespace xuehai::test {

namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

TEST(ClassPageTest, SortsNumbersAsNumbersAndColoursShares) {
    TeacherFolder folder;
    folder.AddPlayer("乙", 900);
    folder.AddPlayer("甲", 10000);
    folder.Answer("乙", 0, true);
    folder.Answer("乙", 1, false);
    teacher::ClassPage page;
    page.SetSource(std::make_shared<classroom::FolderClassSource>(folder.Path()));
    const QAbstractItemModel& shown = *page.View().model();
    ASSERT_EQ(shown.rowCount(), 2);
    EXPECT_EQ(Cell(shown, 0, 0), QStringLiteral("乙"));  // registration order first
    page.View().sortByColumn(2, Qt::DescendingOrder);
    EXPECT_EQ(Cell(shown, 0, 0), QStringLiteral("甲"));  // 10000 above 900, not as text
    // 语文: one of four questions done, half the answers right; 英语 has no bank.
    page.View().sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(Cell(shown, 0, 7), QStringLiteral("25%"));
    EXPECT_EQ(Cell(shown, 0, 8), QStringLiteral("50%"));
    EXPECT_EQ(Cell(shown, 0, 9), QStringLiteral("—"));
    EXPECT_FALSE(shown.data(shown.index(0, 9), Qt::BackgroundRole).isValid());
    const QColor low = shown.data(shown.index(0, 7), Qt::BackgroundRole).value<QBrush>().color();
    const QColor high = teacher::ShareColour(1.0);
    EXPECT_GT(low.red(), low.green());
    EXPECT_GT(high.green(), high.red());
}

TEST(ClassPageTest, MissedQuestionsComeWorstFirstWithTheirRightAnswer) {
    TeacherFolder folder;
    folder.AddPlayer("小明", 0);
    folder.Answer("小明", 2, false);
    folder.Answer("小明", 1, false);
    folder.Answer("小明", 1, false);
    folder.Answer("小明", 0, true);
    classroom::FolderClassSource source(folder.Path());
    const auto missed = source.ReadMissedQuestions("小明", 10);
    ASSERT_EQ(missed.size(), 2u);
    EXPECT_EQ(missed[0].text, "二");
    EXPECT_EQ(missed[0].wrong, 2);
    EXPECT_EQ(missed[0].rightAnswer, "二甲");
    EXPECT_EQ(missed[0].subject, "语文");
    EXPECT_EQ(missed[1].text, "三");
    EXPECT_EQ(source.ReadMissedQuestions("小明", 1).size(), 1u);
}

}  // namespace

}  // namespace xuehai::test
