// SPDX-License-Identifier: GPL-3.0-or-later
#include "BankPage.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "BankFile.h"
#include "ImportDialog.h"
#include "NewSubjectDialog.h"
#include "ServerCopy.h"
#include "authoring/ToolError.h"
#include "classroom/FolderClassSource.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::teacher {

BankPage::BankPage(QWidget* parent)
    : QWidget(parent),
      undo_(new QUndoStack(this)),
      model_(new QuestionTableModel(*undo_, this)),
      sorted_(new QSortFilterProxyModel(this)),
      subjects_(new QComboBox(this)),
      view_(new QTableView(this)),
      status_(new QLabel(this)) {
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(QuestionTableModel::kSortRole);
    view_->setModel(sorted_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);
    // Long answers wrap inside their cells rather than being cut off.
    view_->setWordWrap(true);
    view_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("科目："), this));
    top->addWidget(subjects_, 1);
    auto button = [this, top](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        top->addWidget(b);
        return b;
    };
    button(QStringLiteral("新科目…"), [this] { NewSubject(); });
    button(QStringLiteral("新增"), [this] { AddQuestion(); });
    button(QStringLiteral("删除"), [this] { DeleteQuestions(); });
    button(QStringLiteral("上移"), [this] { Move(-1); });
    button(QStringLiteral("下移"), [this] { Move(1); });
    auto* undoButton = button(QStringLiteral("撤销"), [this] { undo_->undo(); });
    auto* redoButton = button(QStringLiteral("重做"), [this] { undo_->redo(); });
    connect(undo_, &QUndoStack::canUndoChanged, undoButton, &QPushButton::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoButton, &QPushButton::setEnabled);
    undoButton->setEnabled(false);
    redoButton->setEnabled(false);
    button(QStringLiteral("导入 CSV…"), [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("导入题目"), {}, QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)"));
        if (!path.isEmpty()) {
            ImportCsv(path);
        }
    });
    button(QStringLiteral("导出 CSV…"), [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("导出题目"), subjects_->currentText() + QStringLiteral(".csv"),
            QStringLiteral("CSV 文件 (*.csv)"));
        if (!path.isEmpty()) {
            ExportCsv(path);
        }
    });
    button(QStringLiteral("保存"), [this] { Save(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);

    connect(subjects_, &QComboBox::activated, this, [this](int index) {
        if (index == openIndex_) {
            return;
        }
        if (!ConfirmLeave() || !OpenSubject(index)) {
            subjects_->setCurrentIndex(openIndex_);
        }
    });
    connect(sorted_, &QAbstractItemModel::dataChanged, view_, &QTableView::resizeRowsToContents);
    connect(sorted_, &QAbstractItemModel::rowsInserted, view_, &QTableView::resizeRowsToContents);
    connect(undo_, &QUndoStack::indexChanged, this, [this] { ShowStatus(); });
    connect(undo_, &QUndoStack::cleanChanged, this, [this] { ShowStatus(); });
}

void BankPage::SetGameFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    subjects_->clear();
    openIndex_ = -1;
    try {
        for (const classroom::Subject& subject : classroom::ReadSubjects()) {
            subjects_->addItem(QString::fromStdString(subject.name),
                               QString::fromStdString(subject.code));
        }
    } catch (const std::exception&) {
        status_->setText(
            QStringLiteral("这个游戏文件夹里没有科目列表（AliginA.cfg、AliginB.cfg）。"));
        return;
    }
    if (subjects_->count() > 0) {
        OpenSubject(0);
    }
}

void BankPage::FitColumns() {
    // Measured here: the table itself measures only the rows it has on show.
    constexpr int kWidestAnswer = 170;
    const QFontMetrics metrics(view_->font());
    const QAbstractItemModel& shown = *view_->model();
    for (int c = 1; c < shown.columnCount(); ++c) {
        int widest = metrics.horizontalAdvance(shown.headerData(c, Qt::Horizontal).toString()) + 24;
        for (int r = 0; r < shown.rowCount(); ++r) {
            widest = std::max(
                widest, metrics.horizontalAdvance(shown.data(shown.index(r, c)).toString()) + 12);
        }
        view_->setColumnWidth(c, std::min(widest, kWidestAnswer));
    }
    view_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view_->resizeRowsToContents();
}

void BankPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // After the layout has given the table its size.
    QTimer::singleShot(0, this, [this] { FitColumns(); });
}

void BankPage::NewSubject() {
    if (WorkingServer()) {
        QMessageBox::information(
            this, QStringLiteral("不能新增科目"),
            QStringLiteral("在服务器上不能新增科目：科目在地图上的位置、测验和音乐都在每台电脑的"
                           "游戏文件夹里。请打开一台电脑的游戏文件夹来新增科目。"));
        return;
    }
    if (!ConfirmLeave()) {
        return;
    }
    std::optional<subjects::GameSubjects> folder;
    try {
        folder.emplace(folder_);
    } catch (const subjects::SubjectRefusal& refusal) {
        QMessageBox::information(this, QStringLiteral("不能新增科目"),
                                 QString::fromUtf8(refusal.what()));
        return;
    }
    NewSubjectDialog dialog(*folder, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Added()) {
        return;
    }
    undo_->clear();
    SetGameFolder(folder_);
    OpenSubjectCode(QString::fromStdString(dialog.Added()->code));
    Q_EMIT SubjectsChanged();
    QMessageBox::information(
        this, QStringLiteral("新科目加好了"),
        QStringLiteral("“%1”已经在游戏的地图上了。它的题库还是空的：点“新增”或“导入 CSV…”"
                       "写上题目，再点“保存”，学生就能答题了。")
            .arg(QString::fromStdString(dialog.Added()->name)));
}

bool BankPage::OpenSubjectCode(const QString& code) {
    const int index = subjects_->findData(code);
    return index >= 0 && (index == openIndex_ || OpenSubject(index));
}

std::filesystem::path BankPage::CurrentBank() const {
    const std::string code = subjects_->itemData(openIndex_).toString().toStdString();
    return ResolveGamePath(ProgramFolder() + classroom::BankGamePath(code));
}

bool BankPage::OpenSubject(int index) {
    const int before = openIndex_;
    openIndex_ = index;
    try {
        model_->Reset(LoadBank(CurrentBank()));
    } catch (const std::exception& error) {
        openIndex_ = before;
        QMessageBox::warning(
            this, QStringLiteral("打不开题库"),
            QStringLiteral("“%1”的题库读不出来，请用 xuehai-bank check 检查它。\n\n%2")
                .arg(subjects_->itemText(index), QString::fromUtf8(error.what())));
        return false;
    }
    subjects_->setCurrentIndex(index);
    undo_->clear();
    FitColumns();
    ShowStatus();
    return true;
}

QString BankPage::Status() const {
    return status_->text();
}

void BankPage::ShowStatus() {
    const int problems = model_->ProblemCount();
    QString text = QStringLiteral("共 %1 道题").arg(model_->rowCount());
    if (problems > 0) {
        text += QStringLiteral("；%1 处需要改正（红色格子，鼠标停在上面看原因），改好才能保存")
                    .arg(problems);
    }
    if (HasUnsavedChanges()) {
        text += QStringLiteral("；有未保存的修改");
    }
    status_->setText(text + QStringLiteral("。"));
}

bool BankPage::HasUnsavedChanges() const {
    return !undo_->isClean();
}

bool BankPage::ConfirmLeave() {
    if (!HasUnsavedChanges()) {
        return true;
    }
    const auto answer = QMessageBox::question(
        this, QStringLiteral("有未保存的修改"),
        QStringLiteral("“%1”的题库改过了，还没保存。要先保存吗？")
            .arg(subjects_->itemText(openIndex_)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return Save();
    }
    return answer == QMessageBox::Discard;
}

bool BankPage::Save() {
    if (openIndex_ < 0) {
        return true;
    }
    if (model_->ProblemCount() > 0) {
        QMessageBox::warning(
            this, QStringLiteral("还不能保存"),
            QStringLiteral("还有 %1 处需要改正，红色的格子就是。鼠标停在格子上能看到原因。")
                .arg(model_->ProblemCount()));
        return false;
    }
    if (model_->rowCount() == 0) {
        QMessageBox::warning(this, QStringLiteral("还不能保存"),
                             QStringLiteral("题库里至少要有一道题。"));
        return false;
    }
    bank::UpdateSummary summary;
    try {
        summary = SaveBank(CurrentBank(), model_->Questions());
    } catch (const std::exception& error) {
        QMessageBox::warning(
            this, QStringLiteral("没有保存"),
            QStringLiteral("题库没有保存，你的修改还在。如果游戏正在用这个题库，等了几秒也没等到它"
                           "放开：请过一会儿再点“保存”。\n\n原因：%1")
                .arg(QString::fromUtf8(error.what())));
        return false;
    }
    const int index = openIndex_;
    OpenSubject(index);
    status_->setText(
        QStringLiteral(
            "已保存 %1 道题；%2 道题的答题记录保留下来，%3 条记录随删掉或换掉的题一起去掉。")
            .arg(model_->rowCount())
            .arg(summary.questionsKept)
            .arg(summary.rowsDropped));
    return true;
}

void BankPage::ImportCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(this, QStringLiteral("打不开文件"),
                             QStringLiteral("读不了“%1”，请看看文件还在不在。").arg(path));
        return;
    }
    const QByteArray bytes = file.readAll();
    ImportDialog dialog(ReadCsvImport(std::string_view(bytes.constData(), bytes.size())), path,
                        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::vector<QuestionRow> rows;
    for (const bank::Question& q : dialog.Questions()) {
        rows.push_back({q, std::nullopt});
    }
    // A question already in the bank keeps showing its figures.
    for (QuestionRow& row : rows) {
        for (const QuestionRow& old : model_->Rows()) {
            if (old.question.text == row.question.text) {
                row.stats = old.stats;
            }
        }
    }
    model_->ReplaceAll(std::move(rows), QStringLiteral("导入 CSV"));
}

void BankPage::ExportCsv(const QString& path) {
    QFile file(path);
    const std::string text = bank::WriteQuestionSource(model_->Questions());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write("\xEF\xBB\xBF" + QByteArray::fromStdString(text)) < 0) {
        QMessageBox::warning(this, QStringLiteral("没有导出"),
                             QStringLiteral("写不了“%1”，请换一个文件夹。").arg(path));
        return;
    }
    status_->setText(QStringLiteral("已导出到 %1。").arg(path));
}

int BankPage::CurrentRow() const {
    const QModelIndex index = view_->currentIndex();
    return index.isValid() ? sorted_->mapToSource(index).row() : -1;
}

void BankPage::AddQuestion() {
    const int row = CurrentRow() < 0 ? model_->rowCount() : CurrentRow() + 1;
    model_->InsertQuestion(row, {"", {"", "", "", ""}, "A", "1"});
    view_->setCurrentIndex(sorted_->mapFromSource(model_->index(row, 0)));
    view_->edit(view_->currentIndex());
}

void BankPage::DeleteQuestions() {
    const int row = CurrentRow();
    if (row >= 0) {
        model_->RemoveQuestions(row, 1);
    }
}

void BankPage::Move(int step) {
    const int row = CurrentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= model_->rowCount()) {
        return;
    }
    // Moving follows the bank's own order, so the table goes back to it.
    view_->sortByColumn(-1, Qt::AscendingOrder);
    sorted_->sort(-1);
    model_->MoveQuestion(row, to);
    view_->setCurrentIndex(sorted_->mapFromSource(model_->index(to, 0)));
}

}  // namespace xuehai::teacher
