// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionnairePage.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ServerCopy.h"
#include "authoring/GameFile.h"
#include "authoring/QuestionnaireFile.h"
#include "authoring/QuestionnaireSource.h"
#include "authoring/ReachableTotals.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "serverroom/ServerTransfer.h"

namespace xuehai::teacher {

namespace {

// The reachable totals in runs, "10 到 30、32".
QString TotalsText(const std::vector<int>& totals) {
    QStringList runs;
    for (std::size_t i = 0; i < totals.size();) {
        std::size_t j = i;
        while (j + 1 < totals.size() && totals[j + 1] == totals[j] + 1) {
            ++j;
        }
        runs.push_back(j == i ? QString::number(totals[i])
                              : QStringLiteral("%1 到 %2").arg(totals[i]).arg(totals[j]));
        i = j + 1;
    }
    return runs.join(QStringLiteral("、"));
}

}  // namespace

QuestionnairePage::QuestionnairePage(QWidget* parent)
    : QWidget(parent),
      tests_(new QComboBox(this)),
      editor_(new QPlainTextEdit(this)),
      problems_(new QListWidget(this)),
      status_(new QLabel(this)) {
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("性格测试："), this));
    top->addWidget(tests_, 1);
    auto* check = new QPushButton(QStringLiteral("检查"), this);
    auto* save = new QPushButton(QStringLiteral("保存"), this);
    top->addWidget(check);
    top->addWidget(save);
    connect(check, &QPushButton::clicked, this, [this] { Check(); });
    connect(save, &QPushButton::clicked, this, [this] { Save(); });
    connect(tests_, &QComboBox::activated, this, [this](int index) {
        if (index != openIndex_ && !Open(index)) {
            tests_->setCurrentIndex(openIndex_);
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(
        QStringLiteral("每行一条：title,测试名 ／ type,类型名 ／ item,题目,A,分,B,分,C,分 ／ "
                       "range,最低分,最高分,评语。每个能得到的总分都要正好落在一个分数段里。"),
        this));
    layout->addWidget(editor_, 3);
    layout->addWidget(problems_, 1);
    layout->addWidget(status_);
}

void QuestionnairePage::SetGameFolder(const std::filesystem::path& folder) {
    SetProgramFolder(folder);
    tests_->clear();
    files_.clear();
    openIndex_ = -1;
    const std::filesystem::path sets = ResolveGamePath(ProgramFolder() + "data\\q");
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(sets, ec)) {
        const std::filesystem::path file = ResolveGamePath(
            ProgramFolder() + "data\\q\\" + entry.path().filename().string() + "\\q.dat");
        if (std::filesystem::is_regular_file(file, ec)) {
            files_.push_back(file);
        }
    }
    std::sort(files_.begin(), files_.end());
    for (const auto& file : files_) {
        QString title = QString::fromStdString(file.parent_path().filename().string());
        try {
            bank::GameFile game(file, DatabaseKind::Questionnaire);
            title += QStringLiteral("：") +
                     QString::fromStdString(bank::ReadQuestionnaire(game.Handle()).title);
        } catch (const std::exception&) {
        }
        tests_->addItem(title);
    }
    if (!files_.empty()) {
        Open(0);
    }
}

std::filesystem::path QuestionnairePage::CurrentFile() const {
    return files_[static_cast<std::size_t>(openIndex_)];
}

bool QuestionnairePage::Open(int index) {
    if (HasUnsavedChanges() &&
        QMessageBox::question(this, QStringLiteral("有未保存的修改"),
                              QStringLiteral("这个性格测试改过了，还没保存。不保存就换吗？")) !=
            QMessageBox::Yes) {
        return false;
    }
    try {
        bank::GameFile game(files_[static_cast<std::size_t>(index)], DatabaseKind::Questionnaire);
        editor_->setPlainText(QString::fromStdString(
            bank::WriteQuestionnaireSource(bank::ReadQuestionnaire(game.Handle()))));
    } catch (const std::exception& error) {
        QMessageBox::warning(
            this, QStringLiteral("打不开"),
            QStringLiteral("这个性格测试读不出来：%1").arg(QString::fromUtf8(error.what())));
        return false;
    }
    openIndex_ = index;
    tests_->setCurrentIndex(index);
    editor_->document()->setModified(false);
    Check();
    return true;
}

QStringList QuestionnairePage::Check() {
    const bank::QuestionnaireSource read =
        bank::ReadQuestionnaireSource(editor_->toPlainText().toStdString());
    QStringList lines;
    for (const bank::SourceProblem& problem : read.problems) {
        lines.push_back(QStringLiteral("第 %1 行：%2")
                            .arg(problem.line)
                            .arg(QString::fromStdString(
                                problem.wording.empty() ? problem.message : problem.wording)));
    }
    problems_->clear();
    problems_->addItems(lines);
    if (lines.isEmpty()) {
        QStringList types;
        for (const bank::QuestionnaireType& type : read.questionnaire.types) {
            const std::vector<int> totals = bank::ReachableTotals(type.items);
            types.push_back(QStringLiteral("“%1”%2 题，总分 %3")
                                .arg(QString::fromStdString(type.name))
                                .arg(type.items.size())
                                .arg(TotalsText(totals)));
        }
        status_->setText(QStringLiteral("没有问题，可以保存。") + types.join(QStringLiteral("；")));
    } else {
        status_->setText(QStringLiteral("有 %1 个问题，改好才能保存。").arg(lines.size()));
    }
    return lines;
}

bool QuestionnairePage::Save() {
    if (openIndex_ < 0 || !Check().isEmpty()) {
        return false;
    }
    const bank::QuestionnaireSource read =
        bank::ReadQuestionnaireSource(editor_->toPlainText().toStdString());
    try {
        bank::WriteGameFile(CurrentFile(), DatabaseKind::Questionnaire, true, [&](sqlite3* db) {
            bank::WriteQuestionnaire(db, read.questionnaire);
            return true;
        });
        if (const std::shared_ptr<ServerEngine> server = WorkingServer()) {
            bank::ReplaceOnServer(server->Link(), GamePathOf(CurrentFile()),
                                  DatabaseKind::Questionnaire, CurrentFile());
        }
    } catch (const std::exception& error) {
        QMessageBox::warning(
            this, QStringLiteral("没有保存"),
            QStringLiteral("现在写不进去，可能游戏正在用它。请过一会儿再保存。\n\n%1")
                .arg(QString::fromUtf8(error.what())));
        return false;
    }
    editor_->document()->setModified(false);
    status_->setText(QStringLiteral("已保存。"));
    return true;
}

bool QuestionnairePage::HasUnsavedChanges() const {
    return openIndex_ >= 0 && editor_->document()->isModified();
}

}  // namespace xuehai::teacher
