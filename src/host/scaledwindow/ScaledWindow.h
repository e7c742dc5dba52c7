// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

namespace xuehai {

// A screen of the game in a window the player may resize. The screen keeps the layout it
// has at its design size; that whole picture is scaled evenly into the window, centred,
// with deep-sea bars beside or above and below it. Every control really sits where it is
// drawn, at its scaled size and with its font scaled, so mouse and keyboard need nothing
// else; the movies scale their stages into their controls' new sizes.
class ScaledWindow : public QObject {
    Q_OBJECT
public:
    // How a window is to be placed once it has been handed over.
    enum class Placement {
        Centre,  // place it as every screen is placed
        Keep,    // where it is: the player's place, or the one it already has
    };

    // From now on every game window handed over is resizable this way (play in a window).
    static void Enable();
    // Hands over a screen laid out at its design size, before it is first shown: it gets the
    // window system's frame, so the player can resize and move it, and the size and place the
    // player last gave a game window. Windows handed over again keep what they have.
    static Placement Adopt(QWidget& window);
    // The scale the window showing `widget` draws the game at: 1 where it is not scaled.
    static qreal ScaleOf(const QWidget* widget);
    // Where the screen's picture lies in its window, without the bars.
    static QRect PictureOf(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Part {
        QPointer<QWidget> widget;
        QRect designed;  // in the window's pixels at the design size
        std::optional<QFont> font;
    };

    explicit ScaledWindow(QWidget& window);
    static ScaledWindow* Of(const QWidget& window);
    void Record(QWidget& parent);
    void Relayout();
    void PaintBars();
    QRect Picture() const;

    QWidget& window_;
    QSize design_;
    QFont windowFont_;
    std::vector<Part> parts_;  // each widget after its parent
};

}  // namespace xuehai
