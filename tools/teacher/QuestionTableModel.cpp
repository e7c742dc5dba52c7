// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionTableModel.h"

#include <QBrush>
#include <QColor>
#include <QUndoCommand>
#include <QUndoStack>

#include "ProblemWording.h"
#include "core/ReportFigures.h"

namespace xuehai::teacher {

namespace {

class EditCommand : public QUndoCommand {
public:
    EditCommand(QuestionTableModel& model, int row, int column, std::string before,
                std::string after)
        : QUndoCommand(QStringLiteral("修改第 %1 题").arg(row + 1)),
          model_(model),
          row_(row),
          column_(column),
          before_(std::move(before)),
          after_(std::move(after)) {}
    void redo() override { model_.SetCell(row_, column_, after_); }
    void undo() override { model_.SetCell(row_, column_, before_); }

private:
    QuestionTableModel& model_;
    int row_;
    int column_;
    std::string before_;
    std::string after_;
};

// Rows that come in on redo and go on undo, or the other way round.
class RowsCommand : public QUndoCommand {
public:
    RowsCommand(QuestionTableModel& model, int at, std::vector<QuestionRow> rows, bool insert,
                const QString& text)
        : QUndoCommand(text), model_(model), at_(at), rows_(std::move(rows)), insert_(insert) {
        count_ = static_cast<int>(rows_.size());
    }
    void redo() override { insert_ ? Insert() : Take(); }
    void undo() override { insert_ ? Take() : Insert(); }

private:
    void Insert() { model_.InsertRows(at_, rows_); }
    void Take() { rows_ = model_.TakeRows(at_, count_); }

    QuestionTableModel& model_;
    int at_;
    int count_;
    std::vector<QuestionRow> rows_;
    bool insert_;
};

class MoveCommand : public QUndoCommand {
public:
    MoveCommand(QuestionTableModel& model, int from, int to)
        : QUndoCommand(QStringLiteral("移动第 %1 题").arg(from + 1)),
          model_(model),
          from_(from),
          to_(to) {}
    void redo() override { Move(from_, to_); }
    void undo() override { Move(to_, from_); }

private:
    void Move(int from, int to) { model_.InsertRows(to, model_.TakeRows(from, 1)); }

    QuestionTableModel& model_;
    int from_;
    int to_;
};

class ReplaceCommand : public QUndoCommand {
public:
    ReplaceCommand(QuestionTableModel& model, std::vector<QuestionRow> rows, const QString& text)
        : QUndoCommand(text), model_(model), rows_(std::move(rows)) {}
    void redo() override { model_.SwapAll(rows_); }
    void undo() override { model_.SwapAll(rows_); }

private:
    QuestionTableModel& model_;
    std::vector<QuestionRow> rows_;
};

}  // namespace

QuestionTableModel::QuestionTableModel(QUndoStack& undo, QObject* parent)
    : QAbstractTableModel(parent), undo_(undo) {}

int QuestionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int QuestionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

std::string& QuestionTableModel::Cell(bank::Question& q, int column) const {
    switch (column) {
        case bank::kColumnText:
            return q.text;
        case bank::kColumnRight:
            return q.right;
        case bank::kColumnFlag:
            return q.flag;
        default:
            return q.answers[static_cast<std::size_t>(column - bank::kColumnA)];
    }
}

QVariant QuestionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const QuestionRow& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (column >= kPlayers) {
        const double share = row.stats ? row.stats->ShareRight() : -1.0;
        if (role == Qt::DisplayRole) {
            if (!row.stats) {
                return column == kPlayers ? QStringLiteral("0") : QStringLiteral("—");
            }
            return column == kPlayers ? QString::number(row.stats->players)
                                      : QString::fromStdString(PercentText(WholePercent(share)));
        }
        if (role == kSortRole) {
            return column == kPlayers
                       ? QVariant::fromValue<qint64>(row.stats ? row.stats->players : 0)
                       : QVariant(share);
        }
        if (role == Qt::TextAlignmentRole) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        return {};
    }
    std::vector<QString> why;
    for (const bank::QuestionProblem& problem : problems_[static_cast<std::size_t>(index.row())]) {
        if (problem.column == column || problem.other == column) {
            if (problem.kind != bank::QuestionProblem::Duplicate || problem.column == column) {
                why.push_back(ProblemWording(problem));
            }
        }
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case kSortRole:
            return QString::fromStdString(Cell(const_cast<bank::Question&>(row.question), column));
        case Qt::ToolTipRole:
            return why.empty()
                       ? QVariant()
                       : QVariant(QStringList(why.begin(), why.end()).join(QLatin1Char('\n')));
        case Qt::BackgroundRole:
            return why.empty() ? QVariant() : QVariant(QBrush(QColor(255, 205, 205)));
        default:
            return {};
    }
}

QVariant QuestionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    static const char* const kTitles[] = {"题目",     "答案 A", "答案 B",   "答案 C", "答案 D",
                                          "正确答案", "难度",   "答过的人", "正确率"};
    return section >= 0 && section < kColumns ? QString::fromUtf8(kTitles[section]) : QVariant();
}

Qt::ItemFlags QuestionTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() < kPlayers ? flags | Qt::ItemIsEditable : flags;
}

bool QuestionTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() >= kPlayers) {
        return false;
    }
    std::string text = value.toString().toStdString();
    if (index.column() == bank::kColumnRight) {
        text = bank::NormalRightLetter(text);
    }
    const std::string before =
        Cell(rows_[static_cast<std::size_t>(index.row())].question, index.column());
    if (text == before) {
        return false;
    }
    undo_.push(new EditCommand(*this, index.row(), index.column(), before, text));
    return true;
}

void QuestionTableModel::Reset(std::vector<QuestionRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    Recheck();
    endResetModel();
}

std::vector<bank::Question> QuestionTableModel::Questions() const {
    std::vector<bank::Question> questions;
    for (const QuestionRow& row : rows_) {
        questions.push_back(row.question);
    }
    return questions;
}

void QuestionTableModel::InsertQuestion(int at, const bank::Question& question) {
    undo_.push(new RowsCommand(*this, at, {{question, std::nullopt}}, true,
                               QStringLiteral("新增第 %1 题").arg(at + 1)));
}

void QuestionTableModel::RemoveQuestions(int first, int count) {
    std::vector<QuestionRow> rows(rows_.begin() + first, rows_.begin() + first + count);
    undo_.push(new RowsCommand(*this, first, std::move(rows), false,
                               QStringLiteral("删除 %1 道题").arg(count)));
}

void QuestionTableModel::MoveQuestion(int from, int to) {
    undo_.push(new MoveCommand(*this, from, to));
}

void QuestionTableModel::ReplaceAll(std::vector<QuestionRow> rows, const QString& what) {
    undo_.push(new ReplaceCommand(*this, std::move(rows), what));
}

const std::vector<bank::QuestionProblem>& QuestionTableModel::Problems(int row) const {
    return problems_[static_cast<std::size_t>(row)];
}

int QuestionTableModel::ProblemCount() const {
    int count = 0;
    for (const auto& row : problems_) {
        count += static_cast<int>(row.size());
    }
    return count;
}

void QuestionTableModel::SetCell(int row, int column, const std::string& text) {
    Cell(rows_[static_cast<std::size_t>(row)].question, column) = text;
    Recheck();
    // A change can refuse or clear other rows too (a question asked twice).
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

void QuestionTableModel::InsertRows(int at, const std::vector<QuestionRow>& rows) {
    beginInsertRows({}, at, at + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.begin() + at, rows.begin(), rows.end());
    Recheck();
    endInsertRows();
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

std::vector<QuestionRow> QuestionTableModel::TakeRows(int first, int count) {
    beginRemoveRows({}, first, first + count - 1);
    std::vector<QuestionRow> taken(rows_.begin() + first, rows_.begin() + first + count);
    rows_.erase(rows_.begin() + first, rows_.begin() + first + count);
    Recheck();
    endRemoveRows();
    if (!rows_.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
    return taken;
}

void QuestionTableModel::SwapAll(std::vector<QuestionRow>& rows) {
    beginResetModel();
    std::swap(rows_, rows);
    Recheck();
    endResetModel();
}

void QuestionTableModel::Recheck() {
    problems_ = bank::CheckQuestions(Questions());
}

}  // namespace xuehai::teacher
