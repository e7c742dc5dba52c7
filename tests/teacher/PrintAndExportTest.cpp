// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

#include "ClassPage.h"
#include "PlayerDialog.h"
#include "PrintedTable.h"
#include "TableCsv.h"
#include "TeacherFolder.h"
#include "authoring/Csv.h"
#include "classroom/FolderClassSource.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The words of a PDF as poppler reads them, as a reader's viewer would find them.
std::string PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return pdftotext.readAllStandardOutput().toStdString();
}

class PrintAndExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.AddPlayer("王小明", 1500);
        folder_.AddPlayer("李红", 300);
        folder_.Answer("王小明", 0, true);
        folder_.Answer("王小明", 1, false);
        folder_.Answer("王小明", 1, false);
        source_ = std::make_shared<classroom::FolderClassSource>(folder_.Path());
        ASSERT_TRUE(scratch_.isValid());
    }

    teacher::PlayerDialog Dialog(const std::string& name) {
        const classroom::ClassOverview overview = source_->ReadOverview();
        const auto player = std::find_if(overview.players.begin(), overview.players.end(),
                                         [&](const auto& p) { return p.name == name; });
        return teacher::PlayerDialog(overview.subjects, *player,
                                     source_->ReadMissedQuestions(name, 20));
    }

    TeacherFolder folder_;
    std::shared_ptr<classroom::FolderClassSource> source_;
    QTemporaryDir scratch_;
};

TEST_F(PrintAndExportTest, PlayersPageSavesAPdfWithTheNameFiguresAndMissedQuestions) {
    const teacher::PlayerDialog dialog = Dialog("王小明");
    const QString pdf = scratch_.filePath(QStringLiteral("王小明.pdf"));
    ASSERT_TRUE(teacher::SavePdf(dialog.Html(), pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("王小明"));
    EXPECT_THAT(text, HasSubstr("积分 1500"));
    EXPECT_THAT(text, HasSubstr("语文"));
    EXPECT_THAT(text, HasSubstr("最常答错的题"));
    EXPECT_THAT(text, HasSubstr("二甲"));  // question 1's right answer, missed twice
    EXPECT_THAT(text, ::testing::Not(HasSubstr("李红")));
}

TEST_F(PrintAndExportTest, ClassPdfNamesEveryPlayer) {
    teacher::ClassPage page;
    page.SetSource(source_);
    const QString pdf = scratch_.filePath(QStringLiteral("班级.pdf"));
    ASSERT_TRUE(teacher::SavePdf(
        teacher::TableHtml(QStringLiteral("班级一览"), *page.View().model()), pdf));
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("班级一览"));
    EXPECT_THAT(text, HasSubstr("王小明"));
    EXPECT_THAT(text, HasSubstr("李红"));
}

TEST_F(PrintAndExportTest, APdfThatCannotBeWrittenIsReported) {
    const teacher::PlayerDialog dialog = Dialog("李红");
    EXPECT_FALSE(teacher::SavePdf(dialog.Html(), scratch_.filePath(QStringLiteral("无/李红.pdf"))));
}

TEST_F(PrintAndExportTest, PlayersCsvHoldsBothTablesAndSpreadsheetsReadItAsUtf8) {
    const teacher::PlayerDialog dialog = Dialog("王小明");
    const QString path = scratch_.filePath(QStringLiteral("王小明.csv"));
    ASSERT_TRUE(teacher::WriteCsvFile(path, dialog.Csv()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string csv = file.readAll().toStdString();
    EXPECT_THAT(csv, StartsWith("\xEF\xBB\xBF"));
    const bank::CsvContent content = bank::ParseCsv(csv);
    ASSERT_TRUE(content.errors.empty());
    ASSERT_GE(content.records.size(), 6u);
    EXPECT_THAT(content.records[0].fields[0], HasSubstr("王小明"));
    EXPECT_EQ(content.records[1].fields, (std::vector<std::string>{"科目", "完成", "正确率"}));
    EXPECT_EQ(content.records[2].fields, (std::vector<std::string>{"语文", "25%", "33%"}));
    EXPECT_EQ(content.records[3].fields[0], "英语");
    EXPECT_EQ(content.records[4].fields[1], "题目");
    EXPECT_EQ(content.records[5].fields[1], "二");
    EXPECT_EQ(content.records[5].fields[3], "2");
    // Written whole or not at all: a folder that is not there leaves nothing behind.
    EXPECT_FALSE(teacher::WriteCsvFile(scratch_.filePath(QStringLiteral("无/a.csv")), "x\n"));
}

}  // namespace

}  // namespace xuehai::test
