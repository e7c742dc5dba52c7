// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractItemModel;
class QPrinter;
class QWidget;

namespace xuehai::teacher {

// A model as an HTML table with its cell colours, under a title: what print and PDF show.
QString TableHtml(const QString& title, const QAbstractItemModel& model);

// Prints the HTML on A4 in landscape, on the printer the teacher picks.
void PrintHtml(const QString& html, QWidget* parent);

// Writes the HTML as a PDF file; false when the file cannot be written.
bool SavePdf(const QString& html, const QString& path);

}  // namespace xuehai::teacher
