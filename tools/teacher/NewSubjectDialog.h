// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

#include "subjects/GameSubjects.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace xuehai::teacher {

class MapPreview;

// 新科目: a name, the region of the map and the music; the dialog shows where the subject
// will stand, or why it cannot be added, while the teacher types, and adds it on 新增.
class NewSubjectDialog : public QDialog {
    Q_OBJECT
public:
    NewSubjectDialog(const subjects::GameSubjects& subjects, QWidget* parent = nullptr);

    // The subject added, once the dialog was accepted.
    const std::optional<subjects::SubjectPlan>& Added() const { return added_; }

    QLineEdit& Name() { return *name_; }
    QComboBox& Region() { return *region_; }
    QComboBox& Music() { return *music_; }
    QPushButton& AddButton() { return *add_; }
    QString Verdict() const;
    // Adds the subject; false (with the reason on show) when it cannot be added.
    bool Add();

private:
    void Replan();
    // The name of the map's place closest to the site, to say where the subject goes.
    std::string NearestPlace(const subjects::Site& site) const;

    const subjects::GameSubjects& subjects_;
    QLineEdit* name_;
    QComboBox* region_;
    QComboBox* music_;
    MapPreview* preview_;
    QLabel* verdict_;
    QPushButton* add_;
    std::optional<subjects::SubjectPlan> plan_;
    std::optional<subjects::SubjectPlan> added_;
};

}  // namespace xuehai::teacher
