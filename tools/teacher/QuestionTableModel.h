// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "QuestionStats.h"
#include "authoring/QuestionCheck.h"

class QUndoStack;

namespace xuehai::teacher {

// One row of the bank editor: the question and, for a question the bank held when it was
// opened, how the players did with it.
struct QuestionRow {
    bank::Question question;
    std::optional<QuestionStats> stats;
};

// A subject's questions as the editor shows them: the seven columns of a source line, then
// how many players answered and their share right. Every change goes through the undo
// stack; every cell the checks of a bank build refuse is marked and says why.
class QuestionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kPlayers = bank::kQuestionColumns, kShareRight, kColumns };
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit QuestionTableModel(QUndoStack& undo, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Without undo: what the editor opened.
    void Reset(std::vector<QuestionRow> rows);
    const std::vector<QuestionRow>& Rows() const { return rows_; }
    std::vector<bank::Question> Questions() const;

    // Undoable.
    void InsertQuestion(int at, const bank::Question& question);
    void RemoveQuestions(int first, int count);
    void MoveQuestion(int from, int to);
    void ReplaceAll(std::vector<QuestionRow> rows, const QString& what);

    // The refusals of one row, and of the whole bank.
    const std::vector<bank::QuestionProblem>& Problems(int row) const;
    int ProblemCount() const;

    // The raw operations the undo commands run.
    void SetCell(int row, int column, const std::string& text);
    void InsertRows(int at, const std::vector<QuestionRow>& rows);
    std::vector<QuestionRow> TakeRows(int first, int count);
    void SwapAll(std::vector<QuestionRow>& rows);

private:
    void Recheck();
    std::string& Cell(bank::Question& question, int column) const;

    QUndoStack& undo_;
    std::vector<QuestionRow> rows_;
    std::vector<std::vector<bank::QuestionProblem>> problems_;
};

}  // namespace xuehai::teacher
