// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace xuehai {

// A caption-less flat button over a caption painted into the picture behind it: invisible at
// rest, a thin raised edge under the mouse and a sunken one while pressed, so the painted
// caption always shows through.
class FlatSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatSpeedButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xuehai
