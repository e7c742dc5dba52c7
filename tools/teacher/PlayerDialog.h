// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "classroom/ClassOverview.h"

class QStandardItemModel;

namespace xuehai::teacher {

// A player's page: each subject's completion and share right, and the questions the player
// gets wrong most; it prints and saves as PDF like the class.
class PlayerDialog : public QDialog {
    Q_OBJECT
public:
    PlayerDialog(const std::vector<classroom::Subject>& subjects,
                 const classroom::PlayerRow& player,
                 const std::vector<classroom::MissedQuestion>& missed, QWidget* parent = nullptr);

    QStandardItemModel& SubjectTable() { return *subjects_; }
    QStandardItemModel& MissedTable() { return *missed_; }
    // What print and PDF show.
    QString Html() const;
    // Both tables one after the other, an empty line between them.
    std::string Csv() const;

private:
    QString title_;
    QStandardItemModel* subjects_;
    QStandardItemModel* missed_;
};

}  // namespace xuehai::teacher
