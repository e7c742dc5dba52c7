// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "ClassTableModel.h"

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace xuehai::teacher {

// 班级: every player's figures; a double click opens the player's page.
class ClassPage : public QWidget {
    Q_OBJECT
public:
    explicit ClassPage(QWidget* parent = nullptr);
    void SetSource(std::shared_ptr<classroom::ClassSource> source);
    void Refresh();
    void ShowPlayer(int sourceRow);

    ClassTableModel& Model() { return *model_; }
    QTableView& View() { return *view_; }

private:
    std::shared_ptr<classroom::ClassSource> source_;
    ClassTableModel* model_;
    QSortFilterProxyModel* sorted_;
    QTableView* view_;
    QLabel* status_;
};

}  // namespace xuehai::teacher
