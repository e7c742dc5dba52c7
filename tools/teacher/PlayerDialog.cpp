// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerDialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "ClassTableModel.h"
#include "PrintedTable.h"
#include "TableCsv.h"
#include "authoring/Csv.h"
#include "core/ReportFigures.h"

namespace xuehai::teacher {

namespace {

QStandardItem* ShareItem(const std::optional<double>& share) {
    auto* item = new QStandardItem(share ? QString::fromStdString(PercentText(WholePercent(*share)))
                                         : QStringLiteral("—"));
    if (share) {
        item->setBackground(ShareColour(*share));
    }
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableView* View(QStandardItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->resizeColumnsToContents();
    return view;
}

}  // namespace

PlayerDialog::PlayerDialog(const std::vector<classroom::Subject>& subjects,
                           const classroom::PlayerRow& player,
                           const std::vector<classroom::MissedQuestion>& missed, QWidget* parent)
    : QDialog(parent),
      title_(QStringLiteral("%1：积分 %2，等级 %3，答对 %4，答错 %5")
                 .arg(QString::fromStdString(player.name))
                 .arg(player.score)
                 .arg(player.playerClass)
                 .arg(player.right)
                 .arg(player.wrong)),
      subjects_(new QStandardItemModel(0, 3, this)),
      missed_(new QStandardItemModel(0, 5, this)) {
    setWindowTitle(QStringLiteral("玩家 %1").arg(QString::fromStdString(player.name)));
    resize(900, 640);
    subjects_->setHorizontalHeaderLabels(
        {QStringLiteral("科目"), QStringLiteral("完成"), QStringLiteral("正确率")});
    for (std::size_t i = 0; i < subjects.size() && i < player.subjects.size(); ++i) {
        subjects_->appendRow({new QStandardItem(QString::fromStdString(subjects[i].name)),
                              ShareItem(player.subjects[i].completion),
                              ShareItem(player.subjects[i].shareRight)});
    }
    missed_->setHorizontalHeaderLabels({QStringLiteral("科目"), QStringLiteral("题目"),
                                        QStringLiteral("正确答案"), QStringLiteral("答错"),
                                        QStringLiteral("答对")});
    for (const classroom::MissedQuestion& q : missed) {
        missed_->appendRow({new QStandardItem(QString::fromStdString(q.subject)),
                            new QStandardItem(QString::fromStdString(q.text)),
                            new QStandardItem(QString::fromStdString(q.rightAnswer)),
                            new QStandardItem(QString::number(q.wrong)),
                            new QStandardItem(QString::number(q.right))});
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(title_, this));
    auto* tables = new QHBoxLayout;
    tables->addWidget(View(subjects_, this), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(missed.empty() ? QStringLiteral("这名玩家还没有答错过题。")
                                               : QStringLiteral("最常答错的题："),
                                this));
    QTableView* missedView = View(missed_, this);
    missedView->setWordWrap(true);
    missedView->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    missedView->resizeRowsToContents();
    right->addWidget(missedView, 1);
    tables->addLayout(right, 2);
    layout->addLayout(tables, 1);

    auto* buttons = new QHBoxLayout;
    auto* csv = new QPushButton(QStringLiteral("导出 CSV…"), this);
    auto* print = new QPushButton(QStringLiteral("打印…"), this);
    auto* pdf = new QPushButton(QStringLiteral("存为 PDF…"), this);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    buttons->addStretch(1);
    buttons->addWidget(csv);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(csv, &QPushButton::clicked, this, [this, name = player.name] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("导出 CSV"), QString::fromStdString(name) + QStringLiteral(".csv"),
            QStringLiteral("CSV 文件 (*.csv)"));
        if (!path.isEmpty() && !WriteCsvFile(path, Csv())) {
            QMessageBox::warning(this, QStringLiteral("没有导出"),
                                 QStringLiteral("写不了“%1”，请换一个文件夹。").arg(path));
        }
    });
    connect(print, &QPushButton::clicked, this, [this] { PrintHtml(Html(), this); });
    connect(pdf, &QPushButton::clicked, this, [this, name = player.name] {
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("存为 PDF"), QString::fromStdString(name) + QStringLiteral(".pdf"),
            QStringLiteral("PDF 文件 (*.pdf)"));
        if (!path.isEmpty() && !SavePdf(Html(), path)) {
            QMessageBox::warning(this, QStringLiteral("没有保存"),
                                 QStringLiteral("写不了“%1”，请换一个文件夹。").arg(path));
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QString PlayerDialog::Html() const {
    return TableHtml(title_, *subjects_) + TableHtml(QStringLiteral("最常答错的题"), *missed_);
}

std::string PlayerDialog::Csv() const {
    return bank::CsvLine({title_.toStdString()}) + TableCsv(*subjects_) + "\n" + TableCsv(*missed_);
}

}  // namespace xuehai::teacher
