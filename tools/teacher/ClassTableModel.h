// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "classroom/ClassOverview.h"

namespace xuehai::teacher {

// The class overview as a table: the cells of xuehai-bank class, numbers sorting as numbers
// and shares coloured from red (0 %) through yellow to green (100 %).
class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kFirstShareColumn = 6;  // 正确率, then each subject's two columns

    explicit ClassTableModel(QObject* parent = nullptr);
    void SetOverview(classroom::ClassOverview overview);
    const classroom::ClassOverview& Overview() const { return overview_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The share a cell shows, or nothing for a name, a count or a subject without a bank.
    std::optional<double> Share(int row, int column) const;

private:
    classroom::ClassOverview overview_;
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> cells_;
};

// The colour of a share on the scale.
QColor ShareColour(double share);

}  // namespace xuehai::teacher
