// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QQuickItem;
class QQuickWindow;

namespace xuehai {

// How the movies may draw on this display, for QML as the singleton Drawing of Xuehai.Movie
// (one for each engine). ratio is how many screen pixels a movie's pixel covers (1.8 where
// an 800 x 600 picture fills a 1920 x 1080 screen): a picture drawn once for later copying
// (CachedImage in Xuehai.Ui) is drawn at that many pixels to stay sharp. Such a picture can be
// taken only of an item in a window on the screen; shown() tells when a movie control shows,
// sightChanged() when one went out of sight (covered but for a glimpse, minimised) or came
// back into it.
class MovieDrawing : public QObject {
    Q_OBJECT
    Q_PROPERTY(qreal ratio READ Ratio NOTIFY changed)
public:
    MovieDrawing();
    ~MovieDrawing() override;

    static qreal Ratio();
    // Whether a picture of the item can be taken now.
    Q_INVOKABLE bool canCapture(QQuickItem* item) const;
    // Whether the movie control showing the item can be seen.
    Q_INVOKABLE bool seen(QQuickItem* item) const;
    // Whether the movies are drawn by the processor, Qt Quick's software renderer.
    static bool InSoftware();
    // Tells every movie to look again once the scale of the screens changed.
    static void Refresh();
    // Tells every movie that a movie control is about to show.
    static void ControlShown();
    // Tells every movie that the control drawing this scene went out of sight or came back.
    static void SetSceneSeen(const QQuickWindow* scene, bool seen);

Q_SIGNALS:
    void changed();
    void shown();
    void sightChanged();
};

}  // namespace xuehai
