// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableCsv.h"

#include <QAbstractItemModel>
#include <QSaveFile>

#include "authoring/Csv.h"

namespace xuehai::teacher {

std::string TableCsv(const QAbstractItemModel& model) {
    std::vector<std::string> header;
    for (int c = 0; c < model.columnCount(); ++c) {
        header.push_back(model.headerData(c, Qt::Horizontal).toString().toStdString());
    }
    std::string text = bank::CsvLine(header);
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < model.columnCount(); ++c) {
            row.push_back(model.data(model.index(r, c)).toString().toStdString());
        }
        text += bank::CsvLine(row);
    }
    return text;
}

bool WriteCsvFile(const QString& path, const std::string& csv) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const bool bom = csv.starts_with("\xEF\xBB\xBF");
    if (!bom) {
        file.write("\xEF\xBB\xBF");
    }
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    return file.commit();
}

}  // namespace xuehai::teacher
