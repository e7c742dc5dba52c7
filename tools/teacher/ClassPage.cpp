// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassPage.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "PlayerDialog.h"
#include "PrintedTable.h"
#include "TableCsv.h"

namespace xuehai::teacher {

ClassPage::ClassPage(QWidget* parent)
    : QWidget(parent),
      model_(new ClassTableModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      view_(new QTableView(this)),
      status_(new QLabel(this)) {
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(ClassTableModel::kSortRole);
    view_->setModel(sorted_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(view_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowPlayer(sorted_->mapToSource(index).row()); });

    auto* top = new QHBoxLayout;
    auto button = [this, top](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        top->addWidget(b);
    };
    button(QStringLiteral("刷新"), [this] { Refresh(); });
    button(QStringLiteral("查看玩家"), [this] {
        if (view_->currentIndex().isValid()) {
            ShowPlayer(sorted_->mapToSource(view_->currentIndex()).row());
        }
    });
    button(QStringLiteral("导出 CSV…"), [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出班级"),
                                                          QStringLiteral("班级.csv"),
                                                          QStringLiteral("CSV 文件 (*.csv)"));
        if (!path.isEmpty() && !WriteCsvFile(path, classroom::OverviewCsv(model_->Overview()))) {
            QMessageBox::warning(this, QStringLiteral("没有导出"),
                                 QStringLiteral("写不了“%1”，请换一个文件夹。").arg(path));
        }
    });
    button(QStringLiteral("打印…"),
           [this] { PrintHtml(TableHtml(QStringLiteral("班级一览"), *sorted_), this); });
    button(QStringLiteral("存为 PDF…"), [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("存为 PDF"),
                                                          QStringLiteral("班级.pdf"),
                                                          QStringLiteral("PDF 文件 (*.pdf)"));
        if (!path.isEmpty() && !SavePdf(TableHtml(QStringLiteral("班级一览"), *sorted_), path)) {
            QMessageBox::warning(this, QStringLiteral("没有保存"),
                                 QStringLiteral("写不了“%1”，请换一个文件夹。").arg(path));
        }
    });
    top->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
}

void ClassPage::SetSource(std::shared_ptr<classroom::ClassSource> source) {
    source_ = std::move(source);
    Refresh();
}

void ClassPage::Refresh() {
    try {
        model_->SetOverview(source_->ReadOverview());
    } catch (const std::exception& error) {
        model_->SetOverview({});
        status_->setText(QStringLiteral("读不出玩家记录：%1").arg(QString::fromUtf8(error.what())));
        return;
    }
    view_->resizeColumnsToContents();
    status_->setText(
        QStringLiteral("%1 名玩家。点表头排序；双击一名玩家看他各科的情况和最常答错的题。")
            .arg(model_->rowCount()));
}

void ClassPage::ShowPlayer(int sourceRow) {
    if (sourceRow < 0 || sourceRow >= model_->rowCount()) {
        return;
    }
    const classroom::PlayerRow& player =
        model_->Overview().players[static_cast<std::size_t>(sourceRow)];
    PlayerDialog dialog(model_->Overview().subjects, player,
                        source_->ReadMissedQuestions(player.name, 20), this);
    dialog.exec();
}

}  // namespace xuehai::teacher
