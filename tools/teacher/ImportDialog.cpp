// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace xuehai::teacher {

ImportDialog::ImportDialog(CsvImport import, const QString& path, QWidget* parent)
    : QDialog(parent), import_(std::move(import)) {
    setWindowTitle(QStringLiteral("导入题目 — %1").arg(QFileInfo(path).fileName()));
    resize(900, 600);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("文件编码：%1。读到 %2 道题。导入后会替换这个科目现在的题目（可以撤销）。")
            .arg(EncodingName(import_.encoding))
            .arg(import_.questions.size()),
        this));

    auto* table = new QTableWidget(static_cast<int>(import_.questions.size()), 8, this);
    table->setHorizontalHeaderLabels(
        QStringLiteral("行,题目,A,B,C,D,正确答案,难度").split(QLatin1Char(',')));
    for (int r = 0; r < table->rowCount(); ++r) {
        const bank::Question& q = import_.questions[static_cast<std::size_t>(r)];
        const std::string cells[] = {q.text,       q.answers[0], q.answers[1], q.answers[2],
                                     q.answers[3], q.right,      q.flag};
        table->setItem(
            r, 0,
            new QTableWidgetItem(QString::number(import_.lines[static_cast<std::size_t>(r)])));
        for (int c = 0; c < 7; ++c) {
            table->setItem(r, c + 1, new QTableWidgetItem(QString::fromStdString(cells[c])));
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // The line numbers and letters take what they need; the question takes the rest.
    table->setWordWrap(true);
    table->resizeColumnsToContents();
    for (int c = 2; c < table->columnCount(); ++c) {
        table->setColumnWidth(c, std::min(table->columnWidth(c), 140));
    }
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table->resizeRowsToContents();
    layout->addWidget(table, 2);

    if (import_.problems.isEmpty()) {
        layout->addWidget(new QLabel(QStringLiteral("没有发现问题。"), this));
    } else {
        layout->addWidget(new QLabel(
            QStringLiteral(
                "发现 %1 个问题。可以先导入，再在题库里改红色的格子；也可以改好文件再导入。")
                .arg(import_.problems.size()),
            this));
        auto* problems = new QListWidget(this);
        problems->addItems(import_.problems);
        layout->addWidget(problems, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("导入"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!import_.questions.empty());
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace xuehai::teacher
