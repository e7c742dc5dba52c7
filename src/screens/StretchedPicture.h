// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace xuehai {

// A label whose picture is stretched smoothly over all of it, as a label with scaled contents
// shows it, but drawn scaled where it is painted instead of kept at the label's size in
// screen pixels besides the picture (4.2 MB for the report's background at 1920 x 1080): a
// picture behind a screen is painted seldom, when the screen opens or a button under the
// mouse changes.
class StretchedPicture : public QLabel {
    Q_OBJECT

public:
    explicit StretchedPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xuehai
