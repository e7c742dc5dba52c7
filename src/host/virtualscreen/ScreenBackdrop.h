// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLinearGradient>
#include <QWindow>

namespace xuehai {

// The colours of the movies' deep sea from the top of an area `height` pixels high to its
// bottom, darkening downwards: the bars around the game's picture.
QLinearGradient DeepSea(int height);

// The deep sea around the game's picture: a window under every screen of the game that
// covers the primary screen, takes no focus and paints the bars beside or above and below
// the 800 x 600 picture.
//
// The screens cover most of it nearly all the time, so it keeps no picture of itself
// between paints (a whole display's worth, 8 MB at 1920 x 1080): it paints whatever the
// window system shows again into a surface it lets go as soon as the window system has it.
class ScreenBackdrop : public QWindow {
    Q_OBJECT
public:
    ScreenBackdrop();

    // Whether it holds a surface to paint on now; only while it paints.
    bool HoldsSurface() const { return holdsSurface_; }

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CoverPrimaryScreen();
    void Paint();

    bool holdsSurface_ = false;
};

}  // namespace xuehai
