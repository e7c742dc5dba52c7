// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ReportTable.h"

#include <QFrame>
#include <QLabel>

namespace xuehai {

namespace {

constexpr int kRowPitch = 24;
constexpr int kFirstRowTop = 102;
constexpr int kRowHeight = 17;
constexpr int kFirstBarTop = 96;
constexpr int kBarCount = 17;

QFont DesignFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget& report, const QString& name, const QRect& place, const QFont& font,
                  QStringView text) {
    auto* label = new QLabel(text.toString(), &report);
    label->setObjectName(name);
    label->setGeometry(place);
    SetUpReportLabel(*label, font);
    return label;
}

// A one-pixel black outline around a yellow fill.
void MakeBar(QWidget& report, int index) {
    auto* bar = new QFrame(&report);
    bar->setObjectName(QStringLiteral("Shape%1").arg(index + 1));
    bar->setGeometry(24, kFirstBarTop + kRowPitch * index, 300, 3);
    bar->setStyleSheet(QStringLiteral("QFrame { background: yellow; border: 1px solid black; }"));
}

}  // namespace

QFont ReportNameFont() {
    return DesignFont(QStringLiteral("楷体_GB2312"), 16, true);
}

QFont ReportCaptionFont() {
    return DesignFont(QStringLiteral("仿宋_GB2312"), 13, true);
}

QFont ReportValueFont() {
    return DesignFont(QStringLiteral("MS Sans Serif"), 11, false);
}

void SetUpReportLabel(QLabel& label, const QFont& font) {
    label.setFont(font);
    label.setTextFormat(Qt::PlainText);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setWordWrap(false);
    label.setAutoFillBackground(false);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
}

std::array<SubjectRowLabels, kReportSubjects.size()> BuildSubjectTable(QWidget& report) {
    const QFont captionFont = ReportCaptionFont();
    const QFont valueFont = ReportValueFont();
    std::array<SubjectRowLabels, kReportSubjects.size()> rows;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const int top = kFirstRowTop + kRowPitch * static_cast<int>(index);
        const QString number = QString::number(index + 1);
        const QString caption = QString::fromUtf8(kReportSubjects[index].caption.data(),
                                                  kReportSubjects[index].caption.size());
        MakeLabel(report, QStringLiteral("LSubject") + number, {38, top + 1, 64, kRowHeight},
                  captionFont, caption);
        rows[index].completion = MakeLabel(report, QStringLiteral("Lwc") + number,
                                           {105, top, 57, kRowHeight}, valueFont, {});
        rows[index].title = MakeLabel(report, QStringLiteral("Lch") + number,
                                      {170, top, 79, kRowHeight}, valueFont, kNone);
        rows[index].reward = MakeLabel(report, QStringLiteral("Ljl") + number,
                                       {258, top, 79, kRowHeight}, valueFont, kNone);
    }
    for (int index = 0; index < kBarCount; ++index) {
        MakeBar(report, index);
    }
    return rows;
}

}  // namespace xuehai
