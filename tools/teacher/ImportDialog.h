// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "CsvImport.h"

namespace xuehai::teacher {

// What a CSV file would bring in, before it replaces the subject's questions.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(CsvImport import, const QString& path, QWidget* parent = nullptr);
    const std::vector<bank::Question>& Questions() const { return import_.questions; }

private:
    CsvImport import_;
};

}  // namespace xuehai::teacher
