// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTableView>
#include <QUndoStack>

#include "BankFile.h"
#include "BankPage.h"
#include "SqlProbe.h"
#include "TeacherFolder.h"
#include "authoring/ToolError.h"
#include "store/TQADataBase.h"

namespace xuehai::test {

namespace {

using teacher::QuestionTableModel;
using ::testing::HasSubstr;

QString Tip(QuestionTableModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::ToolTipRole).toString();
}

int RowOf(QuestionTableModel& model, const std::string& text) {
    for (int r = 0; r < model.rowCount(); ++r) {
        if (model.Rows()[static_cast<std::size_t>(r)].question.text == text) {
            return r;
        }
    }
    return -1;
}

TEST(BankEditorTest, RefusedCellsSayWhyAndClearWhenFixed) {
    QUndoStack undo;
    QuestionTableModel model(undo);
    model.Reset({{TeacherFolder::Q("一"), std::nullopt}, {TeacherFolder::Q("二"), std::nullopt}});
    EXPECT_EQ(model.ProblemCount(), 0);

    // A lower-case letter is the game's upper case; another letter is refused at its cell.
    model.setData(model.index(0, bank::kColumnRight), QStringLiteral("b"), Qt::EditRole);
    EXPECT_EQ(model.Rows()[0].question.right, "B");
    model.setData(model.index(0, bank::kColumnRight), QStringLiteral("E"), Qt::EditRole);
    EXPECT_THAT(Tip(model, 0, bank::kColumnRight).toStdString(), HasSubstr("正确答案“E”不对"));
    EXPECT_TRUE(model.data(model.index(0, bank::kColumnRight), Qt::BackgroundRole).isValid());
    EXPECT_TRUE(Tip(model, 0, bank::kColumnText).isEmpty());

    // Two answers alike mark both cells; a question asked twice marks the later one only.
    model.setData(model.index(1, bank::kColumnC), QStringLiteral("二甲"), Qt::EditRole);
    EXPECT_THAT(Tip(model, 1, bank::kColumnA).toStdString(), HasSubstr("一模一样"));
    EXPECT_THAT(Tip(model, 1, bank::kColumnC).toStdString(), HasSubstr("一模一样"));
    model.setData(model.index(1, bank::kColumnText), QStringLiteral("一"), Qt::EditRole);
    EXPECT_THAT(Tip(model, 1, bank::kColumnText).toStdString(), HasSubstr("第 1 题"));
    EXPECT_TRUE(Tip(model, 0, bank::kColumnText).isEmpty());
    // A character the game cannot show, and a text too long for the bank.
    model.setData(model.index(0, bank::kColumnD), QStringLiteral("😀"), Qt::EditRole);
    EXPECT_THAT(Tip(model, 0, bank::kColumnD).toStdString(), HasSubstr("😀"));
    model.setData(model.index(0, bank::kColumnFlag), QStringLiteral("易"), Qt::EditRole);
    EXPECT_THAT(Tip(model, 0, bank::kColumnFlag).toStdString(), HasSubstr("难度“易”不对"));
    EXPECT_EQ(model.ProblemCount(), 5);

    // Undo walks every edit back to a clean bank, redo brings them again.
    while (undo.canUndo()) {
        undo.undo();
    }
    EXPECT_EQ(model.ProblemCount(), 0);
    EXPECT_EQ(model.Rows()[1].question.text, "二");
    while (undo.canRedo()) {
        undo.redo();
    }
    EXPECT_EQ(model.ProblemCount(), 5);
}

TEST(BankEditorTest, AddDeleteAndMoveAreUndoneInOrder) {
    QUndoStack undo;
    QuestionTableModel model(undo);
    model.Reset({{TeacherFolder::Q("一"), teacher::QuestionStats{2, 3, 1}},
                 {TeacherFolder::Q("二"), std::nullopt},
                 {TeacherFolder::Q("三"), std::nullopt}});
    model.MoveQuestion(0, 2);
    model.RemoveQuestions(0, 1);
    model.InsertQuestion(1, TeacherFolder::Q("新"));
    EXPECT_EQ(model.Questions().size(), 3u);
    EXPECT_EQ(model.Rows()[0].question.text, "三");
    EXPECT_EQ(model.Rows()[1].question.text, "新");
    EXPECT_EQ(model.Rows()[2].question.text, "一");
    // The figures travel with their question.
    EXPECT_EQ(model.data(model.index(2, QuestionTableModel::kPlayers), Qt::DisplayRole)
                  .toString()
                  .toStdString(),
              "2");
    EXPECT_EQ(model.data(model.index(2, QuestionTableModel::kShareRight), Qt::DisplayRole)
                  .toString()
                  .toStdString(),
              "75%");
    undo.undo();
    undo.undo();
    undo.undo();
    ASSERT_EQ(model.Questions().size(), 3u);
    EXPECT_EQ(model.Rows()[0].question.text, "一");
    EXPECT_EQ(model.Rows()[2].question.text, "三");
}

// What a teacher does: open a subject, reword an answer, reorder, add and delete questions,
// save, and find every player's figures where their questions went.
TEST(BankEditorTest, EditSaveReopenKeepsTheStatistics) {
    TeacherFolder folder;
    folder.AddPlayer("小明", 0);
    folder.Answer("小明", 0, true);   // 一
    folder.Answer("小明", 1, false);  // 二
    folder.Answer("小明", 2, true);   // 三
    folder.Answer("小明", 3, true);   // 四, to be deleted

    teacher::BankPage page;
    page.SetGameFolder(folder.Path());
    QuestionTableModel& model = page.Model();
    ASSERT_EQ(model.rowCount(), 4);
    model.setData(model.index(1, bank::kColumnB), QStringLiteral("新的乙"), Qt::EditRole);
    model.MoveQuestion(2, 0);
    model.RemoveQuestions(3, 1);
    model.InsertQuestion(3, TeacherFolder::Q("五"));
    EXPECT_TRUE(page.HasUnsavedChanges());
    ASSERT_TRUE(page.Save()) << page.Status().toStdString();
    EXPECT_FALSE(page.HasUnsavedChanges());

    teacher::BankPage reopened;
    reopened.SetGameFolder(folder.Path());
    QuestionTableModel& again = reopened.Model();
    ASSERT_EQ(again.rowCount(), 4);
    EXPECT_EQ(again.Rows()[0].question.text, "三");
    EXPECT_EQ(again.Rows()[2].question.answers[1], "新的乙");
    const int two = RowOf(again, "二");
    const int three = RowOf(again, "三");
    ASSERT_TRUE(again.Rows()[static_cast<std::size_t>(two)].stats);
    EXPECT_EQ(again.Rows()[static_cast<std::size_t>(two)].stats->wrong, 1);
    EXPECT_EQ(again.Rows()[static_cast<std::size_t>(three)].stats->right, 1);
    EXPECT_FALSE(again.Rows()[static_cast<std::size_t>(RowOf(again, "五"))].stats);
    // The game counts completion over the new bank: 一 and 三 of four questions.
    TQADataBase bank("Data\\Qut001\\001.dat");
    EXPECT_DOUBLE_EQ(bank.GetRate("Wancheng", "小明"), 0.5);
    EXPECT_EQ(testing::SqlValue(folder.Bank(), "SELECT COUNT(*) FROM [User-Question]"), "3");
}

TEST(BankEditorTest, SaveWaitsForTheGameThenGivesUpLeavingTheBankAsItWas) {
    TeacherFolder folder;
    folder.AddPlayer("小明", 0);
    folder.Answer("小明", 0, true);
    const std::string before = testing::SqlValue(folder.Bank(), "SELECT COUNT(*) FROM Question");
    sqlite3* game = nullptr;
    ASSERT_EQ(sqlite3_open(folder.Bank().c_str(), &game), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(game, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(teacher::SaveBank(folder.Bank(), {TeacherFolder::Q("一")}), std::exception);
    sqlite3_exec(game, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(game);
    EXPECT_EQ(testing::SqlValue(folder.Bank(), "SELECT COUNT(*) FROM Question"), before);
    EXPECT_EQ(teacher::SaveBank(folder.Bank(), {TeacherFolder::Q("一")}).rowsKept, 1u);
}

}  // namespace

}  // namespace xuehai::test
