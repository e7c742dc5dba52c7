// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayersPage.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ServerCopy.h"
#include "classroom/PlayerAdmin.h"

namespace xuehai::teacher {

PlayersPage::PlayersPage(QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), status_(new QLabel(this)) {
    status_->setWordWrap(true);
    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button(QStringLiteral("改名…"), [this] {
        const QString from = Selected();
        if (from.isEmpty()) {
            return;
        }
        bool ok = false;
        const QString to = QInputDialog::getText(this, QStringLiteral("改名"),
                                                 QStringLiteral("“%1”的新名字：").arg(from),
                                                 QLineEdit::Normal, from, &ok)
                               .trimmed();
        if (ok && to != from &&
            QMessageBox::question(
                this, QStringLiteral("改名"),
                QStringLiteral("把“%1”改名为“%2”？\n改之前会先备份要改的文件。").arg(from, to)) ==
                QMessageBox::Yes) {
            Rename(from, to);
        }
    });
    button(QStringLiteral("清空进度…"), [this] {
        const QString name = Selected();
        if (!name.isEmpty() &&
            QMessageBox::question(
                this, QStringLiteral("清空进度"),
                QStringLiteral("把“%1”的积分、等级和所有答题记录清空？玩家还在，可以从头玩。\n"
                               "清空之前会先备份要改的文件。")
                    .arg(name)) == QMessageBox::Yes) {
            Reset(name);
        }
    });
    button(QStringLiteral("删除玩家…"), [this] {
        const QString name = Selected();
        if (!name.isEmpty() &&
            QMessageBox::warning(
                this, QStringLiteral("删除玩家"),
                QStringLiteral("删除“%1”和他的全部记录？\n删除之前会先备份要改的文件。").arg(name),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
            Remove(name);
        }
    });
    buttons->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("选一名玩家，再点右边的按钮。"), this));
    layout->addLayout(row, 1);
    layout->addWidget(status_);
}

void PlayersPage::SetGameFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    Refresh();
}

void PlayersPage::Refresh() {
    list_->clear();
    try {
        for (const auto& player : ClassAt(folder_)->ReadOverview().players) {
            list_->addItem(QString::fromStdString(player.name));
        }
    } catch (const std::exception& error) {
        status_->setText(QStringLiteral("读不出玩家记录：%1").arg(QString::fromUtf8(error.what())));
    }
}

QString PlayersPage::Selected() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->text() : QString();
}

bool PlayersPage::Run(const QString& done,
                      const std::function<void(classroom::PlayerAdmin&)>& change) {
    classroom::PlayerAdmin admin = PlayerAdminAt(folder_);
    try {
        change(admin);
    } catch (const std::exception& error) {
        QMessageBox::warning(this, QStringLiteral("没有完成"),
                             QStringLiteral("%1\n\n游戏可能正在用这些文件；请过一会儿再试。")
                                 .arg(QString::fromUtf8(error.what())));
        return false;
    }
    Refresh();
    Q_EMIT PlayersChanged();
    status_->setText(done + QStringLiteral("改之前的文件备份在 %1。")
                                .arg(QString::fromStdString(admin.LastBackup().string())));
    return true;
}

bool PlayersPage::Rename(const QString& from, const QString& to) {
    return Run(
        QStringLiteral("已把“%1”改名为“%2”。").arg(from, to),
        [&](classroom::PlayerAdmin& admin) { admin.Rename(from.toStdString(), to.toStdString()); });
}

bool PlayersPage::Reset(const QString& name) {
    return Run(QStringLiteral("已清空“%1”的进度。").arg(name),
               [&](classroom::PlayerAdmin& admin) { admin.ResetProgress(name.toStdString()); });
}

bool PlayersPage::Remove(const QString& name) {
    return Run(QStringLiteral("已删除“%1”。").arg(name),
               [&](classroom::PlayerAdmin& admin) { admin.Remove(name.toStdString()); });
}

}  // namespace xuehai::teacher
