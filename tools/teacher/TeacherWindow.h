// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <string>

class QTabWidget;

namespace xuehai::teacher {

class BankPage;
class ClassPage;
class PlayersPage;
class QuestionnairePage;

// 学海 教师台: the class, the banks, the character tests and the players of one game folder.
class TeacherWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TeacherWindow(QWidget* parent = nullptr);
    void OpenFolder(const std::filesystem::path& folder);
    // Works on a computer room's server (a libpq connection string, URI or service name);
    // false, after telling the teacher why, when it cannot be reached or holds no class.
    bool OpenServer(const std::string& connInfo);
    ~TeacherWindow() override;

    ClassPage& Class() { return *class_; }
    BankPage& Banks() { return *banks_; }
    QuestionnairePage& Questionnaires() { return *questionnaires_; }
    PlayersPage& Players() { return *players_; }
    QTabWidget& Tabs() { return *tabs_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseFolder();
    void ShowPlace(const std::filesystem::path& folder, const QString& where);
    void DropServerCopy();

    QTabWidget* tabs_;
    ClassPage* class_;
    BankPage* banks_;
    QuestionnairePage* questionnaires_;
    PlayersPage* players_;
    std::filesystem::path serverCopy_;  // the working copy of the server in use, if any
};

}  // namespace xuehai::teacher
