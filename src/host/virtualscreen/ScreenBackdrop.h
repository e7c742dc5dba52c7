// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLinearGradient>
#include <QWidget>

namespace xuehai {

// The colours of the movies' deep sea from the top of an area `height` pixels high to its
// bottom, darkening downwards: the bars around the game's picture.
QLinearGradient DeepSea(int height);

// The deep sea around the game's picture: a window under every screen of the game that
// covers the primary screen, takes no focus and paints the bars beside or above and below
// the 800 x 600 picture.
class ScreenBackdrop : public QWidget {
    Q_OBJECT
public:
    ScreenBackdrop();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void CoverPrimaryScreen();
};

}  // namespace xuehai
