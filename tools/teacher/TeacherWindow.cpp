// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>

#include "BankPage.h"
#include "ClassPage.h"
#include "PlayersPage.h"
#include "QuestionnairePage.h"
#include "ServerCopy.h"
#include "ShowFailure.h"
#include "classroom/FolderClassSource.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "server/ServerLink.h"
#include "server/ServerSetting.h"
#include "serverroom/ServerClassSource.h"

namespace xuehai::teacher {

TeacherWindow::TeacherWindow(QWidget* parent)
    : QMainWindow(parent),
      tabs_(new QTabWidget(this)),
      class_(new ClassPage(this)),
      banks_(new BankPage(this)),
      questionnaires_(new QuestionnairePage(this)),
      players_(new PlayersPage(this)) {
    setWindowTitle(QStringLiteral("学海 教师台"));
    tabs_->addTab(class_, QStringLiteral("班级"));
    tabs_->addTab(banks_, QStringLiteral("题库"));
    tabs_->addTab(questionnaires_, QStringLiteral("性格测试"));
    tabs_->addTab(players_, QStringLiteral("玩家"));
    setCentralWidget(tabs_);
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    file->addAction(QStringLiteral("打开游戏文件夹…"), this, [this] { ChooseFolder(); });
    file->addAction(QStringLiteral("退出"), this, &QWidget::close);
    connect(players_, &PlayersPage::PlayersChanged, class_, &ClassPage::Refresh);
    connect(banks_, &BankPage::SubjectsChanged, class_, &ClassPage::Refresh);
    // A bank saved changes the class's figures.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs_->widget(index) == class_) {
            class_->Refresh();
        }
    });
    statusBar()->showMessage(QStringLiteral("请用“文件 → 打开游戏文件夹”选择游戏所在的文件夹。"));
}

TeacherWindow::~TeacherWindow() {
    DropServerCopy();
}

void TeacherWindow::OpenFolder(const std::filesystem::path& folder) {
    if (!banks_->ConfirmLeave()) {
        return;
    }
    WorkOnServer(nullptr);
    UseEngine(nullptr);
    DropServerCopy();
    class_->SetSource(std::make_shared<classroom::FolderClassSource>(folder));
    ShowPlace(folder,
              QStringLiteral("游戏文件夹：%1").arg(QString::fromStdString(folder.string())));
}

bool TeacherWindow::OpenServer(const std::string& connInfo) {
    if (!banks_->ConfirmLeave()) {
        return false;
    }
    std::shared_ptr<ServerEngine> server;
    std::filesystem::path copy;
    try {
        server = std::make_shared<ServerEngine>(ServerConnInfo(connInfo, "--server"));
        copy = CopyServer(*server);
    } catch (const std::exception& error) {
        ShowFailure(this, QStringLiteral("打不开服务器"), error.what());
        return false;
    }
    DropServerCopy();
    serverCopy_ = copy;
    WorkOnServer(server);
    class_->SetSource(std::make_shared<classroom::ServerClassSource>(server));
    ShowPlace(copy, QStringLiteral("学海的服务器：%1（题库、性格测试和玩家的修改都保存在服务器上）")
                        .arg(QString::fromStdString(server->Link().Name())));
    return true;
}

void TeacherWindow::ShowPlace(const std::filesystem::path& folder, const QString& where) {
    SetProgramFolder(folder);
    banks_->SetGameFolder(folder);
    questionnaires_->SetGameFolder(folder);
    players_->SetGameFolder(folder);
    statusBar()->showMessage(where);
}

void TeacherWindow::DropServerCopy() {
    if (!serverCopy_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(serverCopy_, ignored);
        serverCopy_.clear();
    }
}

void TeacherWindow::ChooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("选择游戏文件夹"));
    if (!folder.isEmpty()) {
        OpenFolder(std::filesystem::path(folder.toStdString()));
    }
}

void TeacherWindow::closeEvent(QCloseEvent* event) {
    if (!banks_->ConfirmLeave()) {
        event->ignore();
        return;
    }
    if (questionnaires_->HasUnsavedChanges() &&
        QMessageBox::question(this, QStringLiteral("有未保存的修改"),
                              QStringLiteral("性格测试改过了，还没保存。不保存就关闭吗？")) !=
            QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace xuehai::teacher
