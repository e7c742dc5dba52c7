// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "host/Platform.h"
#include "screens/ReportTable.h"

class QAbstractButton;
class QLabel;

namespace Ui {
class TFrmPrint;
}

namespace xuehai {

struct ReportReading;

// The progress report of ReportPlayerName: score, class, correct-answer rate and, for
// sixteen subjects, how much of the question bank the player has completed with the title
// and reward full completion earns. It can be printed, saved as a bitmap, or closed.
class TFrmPrint : public QDialog {
    Q_OBJECT

public:
    // Whose report and which folder, when the opener left ReportPlayerName or ReportFolder
    // empty; the folder's default is the game folder.
    static constexpr const char* kDefaultPlayerName = "玩家";

    TFrmPrint(Platform& platform, QWidget* owner);
    ~TFrmPrint() override;

    void ShowSubjectRows(ReportReading& reading, const std::string& playerName,
                         const std::string& folder);
    void ShowSubjectRow(ReportReading& reading, const std::string& playerName,
                        const std::string& bankPath, const std::string& title,
                        const std::string& reward, QLabel& completionLabel, QLabel& titleLabel,
                        QLabel& rewardLabel);
    void ShowPlayerSummary(ReportReading& reading, const std::string& playerName,
                           const std::string& folder);
    // Captures that screen rectangle at once, then asks where to save it as a bitmap.
    void SaveFormImage(int left, int top, int right, int bottom);

    void SpeedButton3Click();
    void SpeedButton2Click();
    void SpeedButton1Click();

    QLabel& LUserName();
    QLabel& LJifen();
    QLabel& LDengji();
    QLabel& LZhengquelv();
    // Row n of the subject table, 1 to 16.
    QLabel& Lwc(int row);
    QLabel& Lch(int row);
    QLabel& Ljl(int row);
    QAbstractButton& SpeedButton1();
    QAbstractButton& SpeedButton2();
    QAbstractButton& SpeedButton3();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    std::string PlayerName() const;
    const SubjectRowLabels& Row(int row) const;

    Platform& platform_;
    std::unique_ptr<Ui::TFrmPrint> ui_;
    std::array<SubjectRowLabels, kReportSubjects.size()> rows_;
};

}  // namespace xuehai
