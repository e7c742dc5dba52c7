// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace xuehai {

void ShowMovieErrorBox(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("学海"),
                    QString::fromStdString(message), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace xuehai
