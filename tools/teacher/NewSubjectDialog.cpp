// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewSubjectDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "MapPreview.h"
#include "subjects/SubjectAddition.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::teacher {

NewSubjectDialog::NewSubjectDialog(const subjects::GameSubjects& subjects, QWidget* parent)
    : QDialog(parent),
      subjects_(subjects),
      name_(new QLineEdit(this)),
      region_(new QComboBox(this)),
      music_(new QComboBox(this)),
      preview_(new MapPreview(subjects, this)),
      verdict_(new QLabel(this)),
      add_(nullptr) {
    setWindowTitle(QStringLiteral("新科目"));
    name_->setPlaceholderText(QStringLiteral("例如：书法"));
    name_->setMaxLength(static_cast<int>(subjects::GameSubjects::kMaxNameLength) + 5);
    region_->addItem(QStringLiteral("第一片海域：一开始就能去"), 1);
    region_->addItem(QStringLiteral("第二片海域：等级 5 开放"), 2);
    region_->addItem(QStringLiteral("第三片海域：等级 10 开放"), 3);
    for (const subjects::ListedSubject& s : subjects.Listed()) {
        music_->addItem(QStringLiteral("和“%1”一样").arg(QString::fromStdString(s.name)),
                        QString::fromStdString(s.code));
    }
    verdict_->setWordWrap(true);
    verdict_->setMinimumHeight(verdict_->fontMetrics().lineSpacing() * 3);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("名称："), name_);
    form->addRow(QStringLiteral("放在："), region_);
    form->addRow(QStringLiteral("音乐："), music_);
    auto* note =
        new QLabel(QStringLiteral("新科目会出现在游戏的地图上和双人对战的科目里，题库先是空的："
                                  "加好后到“题库”页给它写题目，学生才能答题。"),
                   this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(QStringLiteral("新增"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Add()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(note);
    left->addWidget(verdict_);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addWidget(preview_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    connect(name_, &QLineEdit::textChanged, this, [this] { Replan(); });
    connect(region_, &QComboBox::currentIndexChanged, this, [this] { Replan(); });
    connect(music_, &QComboBox::currentIndexChanged, this, [this] { Replan(); });
    Replan();
}

std::string NewSubjectDialog::NearestPlace(const subjects::Site& site) const {
    std::vector<subjects::MapPlace> places = subjects_.OnMap();
    places.insert(places.end(), subjects_.World().others.begin(), subjects_.World().others.end());
    const auto nearest = std::min_element(
        places.begin(), places.end(),
        [&](const subjects::MapPlace& a, const subjects::MapPlace& b) {
            return std::hypot(a.x - site.x, a.y - site.y) < std::hypot(b.x - site.x, b.y - site.y);
        });
    return nearest == places.end() ? std::string() : nearest->name;
}

QString NewSubjectDialog::Verdict() const {
    return verdict_->text();
}

void NewSubjectDialog::Replan() {
    subjects::SubjectRequest request;
    request.name = name_->text().trimmed().toStdString();
    request.region = region_->currentData().toInt();
    request.musicFrom = music_->currentData().toString().toStdString();
    try {
        plan_ = subjects_.Plan(request);
        verdict_->setText(QStringLiteral("科目代码 %1，放在地图上橙色的地方，“%2”旁边。")
                              .arg(QString::fromStdString(plan_->code),
                                   QString::fromStdString(NearestPlace(plan_->site))));
        verdict_->setStyleSheet({});
    } catch (const subjects::SubjectRefusal& refusal) {
        plan_.reset();
        verdict_->setText(QString::fromUtf8(refusal.what()));
        verdict_->setStyleSheet(request.name.empty() ? QString()
                                                     : QStringLiteral("color: #b00020;"));
    }
    preview_->ShowPlan(plan_);
    add_->setEnabled(plan_.has_value());
}

bool NewSubjectDialog::Add() {
    if (!plan_) {
        return false;
    }
    try {
        subjects::AddSubject(subjects_, *plan_);
    } catch (const subjects::SubjectRefusal& refusal) {
        verdict_->setText(QString::fromUtf8(refusal.what()));
        verdict_->setStyleSheet(QStringLiteral("color: #b00020;"));
        QMessageBox::warning(this, QStringLiteral("没有新增"), QString::fromUtf8(refusal.what()));
        return false;
    }
    added_ = plan_;
    return true;
}

}  // namespace xuehai::teacher
