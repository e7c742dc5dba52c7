// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShowFailure.h"

#include <QMessageBox>

namespace xuehai::teacher {

void ShowFailure(QWidget* parent, const QString& title, const std::string& message) {
    const QString text = QString::fromStdString(message);
    const qsizetype split = text.indexOf(QStringLiteral("\n\n"));
    QMessageBox box(QMessageBox::Warning, title, split < 0 ? text : text.left(split),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (split >= 0) {
        box.setDetailedText(text.mid(split + 2));
    }
    box.exec();
}

}  // namespace xuehai::teacher
