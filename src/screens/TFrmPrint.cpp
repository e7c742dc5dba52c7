// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/TFrmPrint.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QSaveFile>
#include <QShowEvent>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "core/ReportFigures.h"
#include "host/scaledwindow/ScaledWindow.h"
#include "host/widgets/ScreenPlacement.h"
#include "screens/FlatSpeedButton.h"
#include "screens/ReportFileName.h"
#include "store/CommandTransaction.h"
#include "store/LockedRecords.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"
#include "ui_TFrmPrint.h"

namespace xuehai {

namespace {

// The window was designed at 96 pixels per inch; the printout keeps its size in inches.
constexpr int kDesignDpi = 96;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Written beside the old file and renamed over it, so a failed write never spoils the file
// the player chose to replace.
void WriteBitmapFile(const QImage& picture, const QString& fileName) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) &&
        picture.convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
        file.commit();
    }
}

}  // namespace

// The report's reads are one command: each file is read as it stood at one moment, and the
// locks other programs keep hold the report up at most the command's budget in all.
struct ReportReading {
    CommandTransaction command;
    // What the first file found locked said; the rows after it still fill where they can.
    std::string locked;

    void Join(Connection& file) { command.Read(file); }
    void NoteLocked(const RecordsLockedError& error) {
        if (locked.empty()) {
            locked = error.what();
        }
    }
};

TFrmPrint::TFrmPrint(Platform& platform, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint),
      platform_(platform),
      ui_(std::make_unique<Ui::TFrmPrint>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    // The background grows with the report in a window the player enlarges.
    ui_->Image1->setPixmap(QPixmap(QStringLiteral(":/report/report-background.png")));
    ui_->Image1->lower();
    SetUpReportLabel(LUserName(), ReportNameFont());
    for (QLabel* caption : {ui_->Label3, ui_->Label2, ui_->Label6, ui_->Label9, ui_->Label10,
                            ui_->Label11, ui_->Label12}) {
        SetUpReportLabel(*caption, ReportCaptionFont());
    }
    for (QLabel* value : {&LJifen(), &LDengji(), &LZhengquelv()}) {
        SetUpReportLabel(*value, ReportValueFont());
    }
    rows_ = BuildSubjectTable(*this);
    connect(&SpeedButton3(), &QAbstractButton::clicked, this,
            [this] { RunGuarded(platform_, [this] { SpeedButton3Click(); }); });
    connect(&SpeedButton2(), &QAbstractButton::clicked, this,
            [this] { RunGuarded(platform_, [this] { SpeedButton2Click(); }); });
    connect(&SpeedButton1(), &QAbstractButton::clicked, this,
            [this] { RunGuarded(platform_, [this] { SpeedButton1Click(); }); });
}

TFrmPrint::~TFrmPrint() = default;

QLabel& TFrmPrint::LUserName() {
    return *ui_->LUserName;
}
QLabel& TFrmPrint::LJifen() {
    return *ui_->LJifen;
}
QLabel& TFrmPrint::LDengji() {
    return *ui_->LDengji;
}
QLabel& TFrmPrint::LZhengquelv() {
    return *ui_->LZhengquelv;
}
QLabel& TFrmPrint::Lwc(int row) {
    return *Row(row).completion;
}
QLabel& TFrmPrint::Lch(int row) {
    return *Row(row).title;
}
QLabel& TFrmPrint::Ljl(int row) {
    return *Row(row).reward;
}
QAbstractButton& TFrmPrint::SpeedButton1() {
    return *ui_->SpeedButton1;
}
QAbstractButton& TFrmPrint::SpeedButton2() {
    return *ui_->SpeedButton2;
}
QAbstractButton& TFrmPrint::SpeedButton3() {
    return *ui_->SpeedButton3;
}

const SubjectRowLabels& TFrmPrint::Row(int row) const {
    return rows_.at(static_cast<std::size_t>(row - 1));
}

std::string TFrmPrint::PlayerName() const {
    return ReportPlayerName.empty() ? std::string(kDefaultPlayerName) : ReportPlayerName;
}

void TFrmPrint::FormShow() {
    CentreOnScreen(*this);
    const std::string playerName = PlayerName();
    const std::string folder = ReportFolder.empty() ? ProgramFolder() : ReportFolder;
    LUserName().setText(QString::fromStdString(playerName));
    ReportReading reading;
    ShowSubjectRows(reading, playerName, folder);
    ShowPlayerSummary(reading, playerName, folder);
    ExplainLockedRecords(
        "成绩单上有的成绩没有读出来：游戏的记录文件正被另一个程序占用。"
        "请关掉那个程序，然后再打开成绩单。",
        [&reading] {
            if (!reading.locked.empty()) {
                throw RecordsLockedError(reading.locked);
            }
        });
}

void TFrmPrint::ShowSubjectRows(ReportReading& reading, const std::string& playerName,
                                const std::string& folder) {
    for (std::size_t index = 0; index < kReportSubjects.size(); ++index) {
        const ReportSubject& subject = kReportSubjects[index];
        const std::string code(subject.code);
        ShowSubjectRow(reading, playerName, folder + "data\\Qut" + code + "\\" + code + ".dat",
                       std::string(subject.title), std::string(subject.reward),
                       *rows_[index].completion, *rows_[index].title, *rows_[index].reward);
    }
}

void TFrmPrint::ShowSubjectRow(ReportReading& reading, const std::string& playerName,
                               const std::string& bankPath, const std::string& title,
                               const std::string& reward, QLabel& completionLabel,
                               QLabel& titleLabel, QLabel& rewardLabel) {
    // A bank that cannot be read leaves its row as it was; the other rows still show. Only a
    // locked one is told of, once the report has filled.
    try {
        TQADataBase bank(bankPath);
        reading.Join(bank.Database());
        const int completion = WholePercent(bank.GetRate("Wancheng", playerName));
        completionLabel.setText(QString::fromStdString(PercentText(completion)));
        if (completion < 100) {
            titleLabel.setText(kNone.toString());
            rewardLabel.setText(kNone.toString());
        } else {
            titleLabel.setText(FromUtf8(title));
            rewardLabel.setText(FromUtf8(reward));
        }
    } catch (const RecordsLockedError& error) {
        reading.NoteLocked(error);
    } catch (const std::exception&) {
    }
}

void TFrmPrint::ShowPlayerSummary(ReportReading& reading, const std::string& playerName,
                                  const std::string& folder) {
    // Records that cannot be read, or a player without one, leave the figures not yet filled
    // as they were; locked records are told of.
    try {
        TuserInfo records(folder + "Save\\UserInfo.dat");
        reading.Join(records.Database());
        records.ActiveUser = playerName;
        const std::vector<std::string> player = records.GetUserData(playerName);
        LJifen().setText(QString::fromStdString(player.at(1)));
        LDengji().setText(QString::fromStdString(player.at(2)));
        const double right = records.GetUserRight();
        const double total = right + records.GetUserWrong();
        const int rate = total == 0 ? 0 : WholePercent(right / total);
        LZhengquelv().setText(QString::fromStdString(PercentText(rate)));
    } catch (const RecordsLockedError& error) {
        reading.NoteLocked(error);
    } catch (const std::exception&) {
    }
}

void TFrmPrint::SpeedButton3Click() {
    // The report without the bars of an enlarged window, printed at its design size.
    QImage picture = grab(ScaledWindow::PictureOf(*this)).toImage();
    picture.setDevicePixelRatio(picture.devicePixelRatio() * ScaledWindow::ScaleOf(this));
    platform_.PrintImage(picture, kDesignDpi);
}

void TFrmPrint::SpeedButton2Click() {
    const QRect picture = ScaledWindow::PictureOf(*this);
    const QPoint origin = mapToGlobal(picture.topLeft());
    SaveFormImage(origin.x(), origin.y(), origin.x() + picture.width(),
                  origin.y() + picture.height());
}

void TFrmPrint::SaveFormImage(int left, int top, int right, int bottom) {
    // The save step is guarded as a whole: a picture that cannot be written is not saved, and
    // the report stays as it is.
    try {
        QImage picture = platform_.CaptureScreen(QRect(left, top, right - left, bottom - top));
        if (picture.isNull()) {
            picture =
                grab(QRect(mapFromGlobal(QPoint(left, top)), QSize(right - left, bottom - top)))
                    .toImage();
        }
        const std::optional<QString> fileName = platform_.AskSaveFileName(
            this, {QStringLiteral("另存为BMP位图"), QStringLiteral("BMP位图 (*.bmp)"),
                   QStringLiteral("bmp"), false,
                   ReportFileName(QString::fromStdString(PlayerName()), QDate::currentDate())});
        if (fileName) {
            WriteBitmapFile(picture, *fileName);
        }
    } catch (const std::exception&) {
    }
}

void TFrmPrint::SpeedButton1Click() {
    close();
}

void TFrmPrint::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        RunGuarded(platform_, [this] { FormShow(); });
    }
}

void TFrmPrint::keyPressEvent(QKeyEvent* event) {
    // The report is left through its Exit button, as the map expects.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace xuehai
