// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedTable.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QFile>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace xuehai::teacher {

namespace {

void Render(const QString& html, QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
}

}  // namespace

QString TableHtml(const QString& title, const QAbstractItemModel& model) {
    QString html = QStringLiteral(
                       "<h2>%1</h2><table border='1' cellspacing='0' cellpadding='3' "
                       "style='border-collapse:collapse; font-size:9pt'><tr>")
                       .arg(title.toHtmlEscaped());
    for (int c = 0; c < model.columnCount(); ++c) {
        html += QStringLiteral("<th>%1</th>")
                    .arg(model.headerData(c, Qt::Horizontal).toString().toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (int r = 0; r < model.rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < model.columnCount(); ++c) {
            const QModelIndex index = model.index(r, c);
            const QVariant background = model.data(index, Qt::BackgroundRole);
            const QString colour =
                background.isValid()
                    ? QStringLiteral(" bgcolor='%1'").arg(background.value<QBrush>().color().name())
                    : QString();
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(colour, model.data(index, Qt::DisplayRole).toString().toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void PrintHtml(const QString& html, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() == QDialog::Accepted) {
        Render(html, printer);
    }
}

bool SavePdf(const QString& html, const QString& path) {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        return false;
    }
    probe.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Render(html, printer);
    return true;
}

}  // namespace xuehai::teacher
