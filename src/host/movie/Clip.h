// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQuickItem>

#include "host/movie/ClipVariables.h"

namespace xuehai {

// A movie clip: an item the host can address by name, with its own variables, a current
// frame that the movie maps to its states, and a timeline that plays or stands still.
class Clip : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(QQmlPropertyMap* vars READ vars CONSTANT)
    Q_PROPERTY(int frame READ frame WRITE setFrame NOTIFY frameChanged)
    Q_PROPERTY(bool playing READ playing WRITE setPlaying NOTIFY playingChanged)
    // Set by a movie that paints every pixel of its clip: levels under such a level root
    // cannot be seen and are not drawn.
    Q_PROPERTY(bool opaque READ opaque WRITE setOpaque NOTIFY opaqueChanged)
public:
    explicit Clip(QQuickItem* parent = nullptr);

    QQmlPropertyMap* vars() { return &vars_; }
    int frame() const { return frame_; }
    void setFrame(int frame);
    bool playing() const { return playing_; }
    void setPlaying(bool playing);
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);

    Q_INVOKABLE void play() { setPlaying(true); }
    Q_INVOKABLE void stop() { setPlaying(false); }
    // Moves to the frame and stops there, as the host's TGotoFrame does.
    Q_INVOKABLE void gotoFrame(int frame);

    // A variable as the host or another movie sets it: bindings update, then variableSet.
    void SetVariable(const QString& name, const QString& value);
    // The empty text for a variable that was never set.
    QString Variable(const QString& name) const;

Q_SIGNALS:
    void frameChanged();
    void playingChanged();
    void opaqueChanged();
    void variableSet(const QString& name, const QString& value);

private:
    ClipVariables vars_;
    int frame_ = 0;
    bool playing_ = true;
    bool opaque_ = false;
};

}  // namespace xuehai
