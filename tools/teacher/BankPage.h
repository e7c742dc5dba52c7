// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>

#include "QuestionTableModel.h"

class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QUndoStack;

namespace xuehai::teacher {

// 题库: a subject's questions to edit, with the players' figures of each.
class BankPage : public QWidget {
    Q_OBJECT
public:
    explicit BankPage(QWidget* parent = nullptr);

    // Lists the subjects of the folder and opens the first.
    void SetGameFolder(const std::filesystem::path& folder);
    // Opens one subject's bank; false (and a message) when it cannot be read.
    bool OpenSubject(int index);
    // True when saved or nothing to save; tells the teacher what happened either way.
    bool Save();
    bool HasUnsavedChanges() const;
    // Asks what to do with unsaved changes; false when the teacher wants to stay.
    bool ConfirmLeave();
    void ImportCsv(const QString& path);
    void ExportCsv(const QString& path);
    // Asks for a new subject and, once it is added, opens its empty bank.
    void NewSubject();
    // Opens the subject with this bank code; false when the folder does not list it.
    bool OpenSubjectCode(const QString& code);

    QuestionTableModel& Model() { return *model_; }
    QUndoStack& Undo() { return *undo_; }
    QTableView& View() { return *view_; }
    QString Status() const;

Q_SIGNALS:
    // A subject was added to the folder.
    void SubjectsChanged();

protected:
    // The table measures only the cells on show, so it is fitted again once it is seen.
    void showEvent(QShowEvent* event) override;

private:
    std::filesystem::path CurrentBank() const;
    void ShowStatus();
    // The question text takes the room the answers leave; every cell shows its whole text.
    void FitColumns();
    void AddQuestion();
    void DeleteQuestions();
    void Move(int step);
    int CurrentRow() const;

    std::filesystem::path folder_;
    QUndoStack* undo_;
    QuestionTableModel* model_;
    QSortFilterProxyModel* sorted_;
    QComboBox* subjects_;
    QTableView* view_;
    QLabel* status_;
    int openIndex_ = -1;
};

}  // namespace xuehai::teacher
