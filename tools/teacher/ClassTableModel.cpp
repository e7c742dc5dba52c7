// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassTableModel.h"

#include <QBrush>

namespace xuehai::teacher {

QColor ShareColour(double share) {
    // Light tones, so black text stays easy to read: red 0 %, yellow 50 %, green 100 %.
    const double s = std::clamp(share, 0.0, 1.0);
    const QColor low(248, 105, 107);
    const QColor mid(255, 235, 132);
    const QColor high(99, 190, 123);
    const QColor& a = s < 0.5 ? low : mid;
    const QColor& b = s < 0.5 ? mid : high;
    const double t = s < 0.5 ? s * 2 : (s - 0.5) * 2;
    auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

ClassTableModel::ClassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ClassTableModel::SetOverview(classroom::ClassOverview overview) {
    beginResetModel();
    overview_ = std::move(overview);
    header_ = classroom::OverviewHeader(overview_);
    cells_ = classroom::OverviewCells(overview_);
    endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header_.size());
}

std::optional<double> ClassTableModel::Share(int row, int column) const {
    const classroom::PlayerRow& player = overview_.players[static_cast<std::size_t>(row)];
    if (column == kFirstShareColumn) {
        return player.ShareRight();
    }
    if (column < kFirstShareColumn + 1) {
        return std::nullopt;
    }
    const auto subject = static_cast<std::size_t>((column - kFirstShareColumn - 1) / 2);
    const classroom::SubjectFigures& figures = player.subjects[subject];
    return (column - kFirstShareColumn - 1) % 2 == 0 ? figures.completion : figures.shareRight;
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    const classroom::PlayerRow& player = overview_.players[static_cast<std::size_t>(row)];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(
                cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        case kSortRole: {
            switch (column) {
                case 0:
                    return QString::fromStdString(player.name);
                case 1:
                    return player.avatar;
                case 2:
                    return QVariant::fromValue<qint64>(player.score);
                case 3:
                    return QVariant::fromValue<qint64>(player.playerClass);
                case 4:
                    return QVariant::fromValue<qint64>(player.right);
                case 5:
                    return QVariant::fromValue<qint64>(player.wrong);
                default:
                    return Share(row, column).value_or(-1.0);
            }
        }
        case Qt::BackgroundRole:
            if (const auto share = Share(row, column)) {
                return QBrush(ShareColour(*share));
            }
            return {};
        case Qt::TextAlignmentRole:
            return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(header_.size())) {
        return {};
    }
    return QString::fromStdString(header_[static_cast<std::size_t>(section)]);
}

}  // namespace xuehai::teacher
