// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "screens/ReportSubjects.h"

class QLabel;
class QWidget;

namespace xuehai {

// The report's design fonts by their Windows names; the game maps these names to installed
// Chinese faces at start-up.
QFont ReportNameFont();     // the player's name
QFont ReportCaptionFont();  // captions and column headings
QFont ReportValueFont();    // the figures and texts the report fills in

// A label as every label of the report is: fixed size, transparent, text at the top left,
// shown as plain text whatever a player's name holds.
void SetUpReportLabel(QLabel& label, const QFont& font);

// The three labels of a subject row that the report fills.
struct SubjectRowLabels {
    QLabel* completion = nullptr;  // Lwc<n>
    QLabel* title = nullptr;       // Lch<n>
    QLabel* reward = nullptr;      // Ljl<n>
};

inline constexpr QStringView kNone = u"无";

// Lays the sixteen subject rows and the seventeen yellow separator bars onto the report.
std::array<SubjectRowLabels, kReportSubjects.size()> BuildSubjectTable(QWidget& report);

}  // namespace xuehai
