// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {

QStringList SaveDialogNameFilters(const QString& filter) {
    if (!filter.contains(QLatin1Char('|'))) {
        return filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    }
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description % QStringLiteral(" (") % patterns % QLatin1Char(')'));
    }
    return filters;
}

QString SaveDialogStartPath(const QString& fileName) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QDir folder(!pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath());
    return folder.filePath(fileName);
}

std::optional<QString> AskSaveFileNameWithDialog(QWidget* parent,
                                                 const SaveDialogRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(SaveDialogNameFilters(request.filter));
    QString suffix = request.defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (VirtualScreen::Picture()) {
        // The desktop's own dialog would ignore the game's scale; Qt's dialog is drawn inside
        // the 800 x 600 picture like every other window of the game.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.resize(dialog.sizeHint().boundedTo(QSize(760, 540)));
    }
    // Set after the kind of dialog is chosen, so that the one shown opens there.
    const QFileInfo start(SaveDialogStartPath(request.fileName));
    if (request.fileName.isEmpty()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace xuehai
