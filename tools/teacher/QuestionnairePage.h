// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <filesystem>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace xuehai::teacher {

// 性格测试: a character test in the source form questionnaire build reads (title, types,
// items with their points, evaluation ranges), checked as it is built, then written back.
class QuestionnairePage : public QWidget {
    Q_OBJECT
public:
    explicit QuestionnairePage(QWidget* parent = nullptr);
    void SetGameFolder(const std::filesystem::path& folder);
    bool Open(int index);
    // The problems of the text as it stands, with their lines; empty when it can be saved.
    QStringList Check();
    bool Save();
    bool HasUnsavedChanges() const;

    QPlainTextEdit& Editor() { return *editor_; }

private:
    std::filesystem::path CurrentFile() const;

    std::vector<std::filesystem::path> files_;
    QComboBox* tests_;
    QPlainTextEdit* editor_;
    QListWidget* problems_;
    QLabel* status_;
    int openIndex_ = -1;
};

}  // namespace xuehai::teacher
