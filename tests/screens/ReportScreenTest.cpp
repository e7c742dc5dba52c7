// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <memory>

#include "GameFolder.h"
#include "SqlProbe.h"
#include "core/GameGlobals.h"
#include "fakes/FakePlatform.h"
#include "screens/ReportFileName.h"
#include "screens/TFrmPrint.h"
#include "store/Connection.h"

namespace xuehai::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kPlayer = "小明";

class ReportScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ReportPlayerName = kPlayer;
        ReportFolder = folder_.Path();
    }
    void TearDown() override {
        reports_.clear();
        ReportPlayerName.clear();
        ReportFolder.clear();
    }

    // A fresh report window, shown, so it has filled itself.
    TFrmPrint& ShowReport() {
        reports_.push_back(std::make_unique<TFrmPrint>(platform_, nullptr));
        reports_.back()->show();
        return *reports_.back();
    }

    static std::string Text(const QLabel& label) { return label.text().toStdString(); }
    // Completion, title and reward of a subject row.
    static std::vector<std::string> Row(TFrmPrint& report, int row) {
        return {Text(report.Lwc(row)), Text(report.Lch(row)), Text(report.Ljl(row))};
    }

    GameFolder folder_;
    fakes::FakePlatform platform_;
    std::vector<std::unique_ptr<TFrmPrint>> reports_;
};

TEST_F(ReportScreenTest, CorrectRateRoundsHalfToEven) {
    struct Case {
        int right;
        int wrong;
        const char* shown;
    };
    folder_.MakeRecords(kPlayer, 235, 3, 0, 0);
    for (const Case& c : {Case{3, 5, "38%"}, Case{1, 7, "12%"}, Case{0, 0, "0%"}, Case{2, 1, "67%"},
                          Case{4, 0, "100%"}}) {
        SCOPED_TRACE(c.shown);
        folder_.Sql("Save/userinfo.dat",
                    "UPDATE UserInfo SET UserRight=" + std::to_string(c.right) +
                        ", UserWrong=" + std::to_string(c.wrong));
        TFrmPrint& report = ShowReport();
        EXPECT_EQ(Text(report.LZhengquelv()), c.shown);
        EXPECT_EQ(Text(report.LJifen()), "235");
        EXPECT_EQ(Text(report.LDengji()), "3");
        EXPECT_EQ(Text(report.LUserName()), kPlayer);
    }
}

TEST_F(ReportScreenTest, CompletionEarnsTitleAndRewardFromNinetyNineAndAHalf) {
    folder_.MakeBank("004", 400, kPlayer, 399);  // row 1, physics
    folder_.MakeBank("006", 400, kPlayer, 397);  // row 2, geography
    folder_.MakeBank("003", 8, kPlayer, 1);      // row 3, mathematics
    folder_.MakeBank("002", 8, kPlayer, 3);      // row 5, English
    folder_.MakeBank("011", 5, kPlayer, 5);      // row 16, cartoons and film
    folder_.MakeBank("012", 5, "小红", 5);       // row 15: someone else's answers
    TFrmPrint& report = ShowReport();
    EXPECT_THAT(Row(report, 1), ElementsAre("100%", "疯狂科学家", "兰水晶"));
    EXPECT_THAT(Row(report, 2), ElementsAre("99%", "无", "无"));
    EXPECT_THAT(Row(report, 3), ElementsAre("12%", "无", "无"));
    EXPECT_THAT(Row(report, 5), ElementsAre("38%", "无", "无"));
    EXPECT_THAT(Row(report, 15), ElementsAre("0%", "无", "无"));
    EXPECT_THAT(Row(report, 16), ElementsAre("100%", "超级大导演", "电影票"));
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
}

TEST_F(ReportScreenTest, MissingBankKeepsItsRowWhileLaterRowsFill) {
    for (const char* code : {"004", "006", "003", "002", "007"}) {  // rows 1-3, 5, 6
        folder_.MakeBank(code, 2, kPlayer, 2);
    }
    folder_.Write("Data/Qut005/005.dat", "not a database");  // row 7
    TFrmPrint& report = ShowReport();
    EXPECT_THAT(Row(report, 3), ElementsAre("100%", "新数学之父", "算盘"));
    EXPECT_THAT(Row(report, 4), ElementsAre("", "无", "无"));
    EXPECT_THAT(Row(report, 5), ElementsAre("100%", "首席外交官", "玫瑰花"));
    EXPECT_THAT(Row(report, 6), ElementsAre("100%", "时空特警", "白马"));
    EXPECT_THAT(Row(report, 7), ElementsAre("", "无", "无"));
    EXPECT_THAT(Row(report, 16), ElementsAre("", "无", "无"));
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
}

TEST_F(ReportScreenTest, SummaryOfAnUnknownPlayerOrMissingRecordsStaysBlank) {
    TFrmPrint& withoutRecords = ShowReport();
    EXPECT_EQ(Text(withoutRecords.LJifen()), "");
    EXPECT_EQ(Text(withoutRecords.LZhengquelv()), "");
    folder_.MakeRecords("小红", 50, 1, 1, 1);
    TFrmPrint& unknown = ShowReport();
    EXPECT_EQ(Text(unknown.LJifen()), "");
    EXPECT_EQ(Text(unknown.LDengji()), "");
    EXPECT_EQ(Text(unknown.LZhengquelv()), "");
    EXPECT_EQ(Text(unknown.LUserName()), kPlayer);
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
}

TEST_F(ReportScreenTest, LockedFilesAreToldOfOnceWithinTheBudgetWhileTheOthersFill) {
    folder_.MakeBank("004", 2, kPlayer, 2);  // row 1
    folder_.MakeBank("006", 2, kPlayer, 2);  // row 2
    folder_.MakeRecords(kPlayer, 1500, 2, 3, 1);
    ReleaseIdleConnections();
    QElapsedTimer clock;
    {
        testing::ForeignLock bank(folder_.Path() + "Data/Qut004/004.dat",
                                  testing::ForeignLock::Kind::Exclusive);
        testing::ForeignLock records(folder_.Path() + "Save/userinfo.dat",
                                     testing::ForeignLock::Kind::Exclusive);
        clock.start();
        TFrmPrint& report = ShowReport();
        EXPECT_LT(clock.elapsed(), 2600);
        EXPECT_THAT(Row(report, 1), ElementsAre("", "无", "无"));
        EXPECT_THAT(Row(report, 2), ElementsAre("100%", "土地神", "地图"));
        EXPECT_EQ(Text(report.LJifen()), "");
        EXPECT_THAT(platform_.Lines("ShowError"),
                    ElementsAre(HasSubstr("成绩单上有的成绩没有读出来")));
    }
    platform_.ClearLog();
    TFrmPrint& later = ShowReport();
    EXPECT_THAT(Row(later, 1), ElementsAre("100%", "疯狂科学家", "兰水晶"));
    EXPECT_EQ(Text(later.LJifen()), "1500");
    EXPECT_EQ(Text(later.LZhengquelv()), "75%");
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
}

TEST_F(ReportScreenTest, EmptyInputsFallBackToTheDefaultPlayerAndTheGameFolder) {
    ReportPlayerName.clear();
    ReportFolder.clear();
    folder_.MakeRecords(TFrmPrint::kDefaultPlayerName, 40, 1, 0, 0);
    folder_.MakeBank("004", 2, TFrmPrint::kDefaultPlayerName, 1);
    TFrmPrint& report = ShowReport();
    EXPECT_EQ(Text(report.LUserName()), TFrmPrint::kDefaultPlayerName);
    EXPECT_EQ(Text(report.LJifen()), "40");
    EXPECT_EQ(Text(report.Lwc(1)), "50%");
}

TEST_F(ReportScreenTest, WindowIsCentredWithSeventeenBarsBetweenTheRows) {
    TFrmPrint& report = ShowReport();
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(report.pos(), QPoint(desktop.x() + (desktop.width() - 638) / 2,
                                   desktop.y() + (desktop.height() - 509) / 2));
    const QList<QFrame*> bars =
        report.findChildren<QFrame*>(QRegularExpression(QStringLiteral("^Shape\\d+$")));
    ASSERT_EQ(bars.size(), 17);
    for (const QFrame* bar : bars) {
        EXPECT_EQ((bar->y() - 96) % 24, 0);
        EXPECT_FALSE(bar->geometry().intersects(report.Lwc(1).geometry()));
        EXPECT_FALSE(bar->geometry().intersects(report.Lwc(16).geometry()));
    }
}

TEST_F(ReportScreenTest, BackgroundCarriesTheButtonCaptionsWhereTheButtonsLie) {
    TFrmPrint& report = ShowReport();
    const QImage picture = report.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(638, 509));
    EXPECT_FALSE(picture.hasAlphaChannel());
    // Each button lies over a red tablet with light caption strokes; the paper around is not.
    for (QAbstractButton* button :
         {&report.SpeedButton3(), &report.SpeedButton2(), &report.SpeedButton1()}) {
        const QRect inside = button->geometry().adjusted(8, 8, -8, -8);
        int red = 0;
        int light = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                red += c.red() > 120 && c.green() < 90 ? 1 : 0;
                light += c.red() > 230 && c.green() > 200 ? 1 : 0;
            }
        }
        const int area = inside.width() * inside.height();
        EXPECT_GT(red, area / 2) << button->objectName().toStdString();
        EXPECT_GT(light, area / 20) << button->objectName().toStdString();
    }
    const QColor paper = picture.pixelColor(100, 300);
    EXPECT_GT(paper.green(), 200);
}

TEST_F(ReportScreenTest, SaveAsCapturesFirstThenWritesTheChosenBitmap) {
    QImage shown(638, 509, QImage::Format_RGB32);
    shown.fill(QColor(10, 200, 30));
    platform_.SetCapturedImage(shown);
    const std::string file = folder_.File("report.bmp").string();
    folder_.Write("report.bmp", "an older picture");
    platform_.AnswerSaveDialog(QString::fromStdString(file));
    TFrmPrint& report = ShowReport();
    platform_.ClearLog();
    report.SpeedButton2().click();

    const QPoint origin = report.mapToGlobal(QPoint(0, 0));
    EXPECT_THAT(platform_.Log(), ElementsAre("CaptureScreen(" + std::to_string(origin.x()) + ", " +
                                                 std::to_string(origin.y()) + ", 638, 509)",
                                             "AskSaveFileName(另存为BMP位图)"));
    const SaveDialogRequest& request = platform_.SaveDialogRequests().at(0);
    EXPECT_EQ(request.filter, QStringLiteral("BMP位图 (*.bmp)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bmp"));
    EXPECT_FALSE(request.confirmOverwrite);
    EXPECT_EQ(request.fileName, ReportFileName(QString::fromUtf8(kPlayer), QDate::currentDate()));

    const std::string bytes = folder_.Read("report.bmp");
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<int>(bytes[28]), 24);  // bits per pixel
    const QImage saved(QString::fromStdString(file), "BMP");
    EXPECT_EQ(saved.size(), QSize(638, 509));
    EXPECT_EQ(saved.pixelColor(300, 200), QColor(10, 200, 30));
}

TEST_F(ReportScreenTest, CancelledSaveWritesNothing) {
    TFrmPrint& report = ShowReport();
    const auto before =
        std::distance(std::filesystem::recursive_directory_iterator(folder_.File("")),
                      std::filesystem::recursive_directory_iterator());
    report.SpeedButton2().click();
    const auto after =
        std::distance(std::filesystem::recursive_directory_iterator(folder_.File("")),
                      std::filesystem::recursive_directory_iterator());
    EXPECT_EQ(after, before);
    EXPECT_THAT(platform_.Lines("AskSaveFileName"), ElementsAre(HasSubstr("另存为BMP位图")));
}

TEST_F(ReportScreenTest, WithoutScreenCaptureTheWindowItselfIsSaved) {
    platform_.SetCapturedImage(QImage());
    platform_.AnswerSaveDialog(QString::fromStdString(folder_.File("own.bmp").string()));
    TFrmPrint& report = ShowReport();
    report.SpeedButton2().click();
    const QImage saved(QString::fromStdString(folder_.File("own.bmp").string()), "BMP");
    EXPECT_EQ(saved.size(), QSize(638, 509));
}

TEST_F(ReportScreenTest, UnwritableFileIsSwallowed) {
    QImage shown(10, 10, QImage::Format_RGB32);
    shown.fill(Qt::white);
    platform_.SetCapturedImage(shown);
    platform_.AnswerSaveDialog(
        QString::fromStdString(folder_.File("no-such-folder/report.bmp").string()));
    std::filesystem::create_directories(folder_.File("taken.bmp"));
    platform_.AnswerSaveDialog(QString::fromStdString(folder_.File("taken.bmp").string()));
    TFrmPrint& report = ShowReport();
    report.SpeedButton2().click();
    report.SpeedButton2().click();
    EXPECT_FALSE(std::filesystem::exists(folder_.File("no-such-folder")));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.File("taken.bmp")));
    EXPECT_THAT(platform_.Lines("AskSaveFileName"), ::testing::SizeIs(2));
    EXPECT_THAT(platform_.Lines("ShowError"), IsEmpty());
    EXPECT_TRUE(report.isVisible());
}

TEST_F(ReportScreenTest, PrintSendsTheWindowAtNinetySixDpiAndAFailureIsReported) {
    TFrmPrint& report = ShowReport();
    report.SpeedButton3().click();
    EXPECT_THAT(platform_.Lines("PrintImage"), ElementsAre("PrintImage(638x509, 96)"));
    platform_.FailPrinting("no printer is set up");
    report.SpeedButton3().click();
    EXPECT_THAT(platform_.Lines("ShowError"), ElementsAre("ShowError(no printer is set up)"));
    EXPECT_TRUE(report.isVisible());
    QTest::keyClick(&report, Qt::Key_Escape);
    EXPECT_TRUE(report.isVisible());
    report.SpeedButton1().click();
    EXPECT_FALSE(report.isVisible());
}

TEST_F(ReportScreenTest, TwoReportsAreTwoWindowsEachFilledAfresh) {
    folder_.MakeRecords(kPlayer, 100, 2, 1, 1);
    TFrmPrint& first = ShowReport();
    folder_.Sql("Save/userinfo.dat", "UPDATE UserInfo SET UserScore=150, UserRight=3");
    TFrmPrint& second = ShowReport();
    EXPECT_NE(&first, &second);
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(Text(first.LJifen()), "100");
    EXPECT_EQ(Text(first.LZhengquelv()), "50%");
    EXPECT_EQ(Text(second.LJifen()), "150");
    EXPECT_EQ(Text(second.LZhengquelv()), "75%");
}

}  // namespace
}  // namespace xuehai::test
