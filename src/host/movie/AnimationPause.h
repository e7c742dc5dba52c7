// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace xuehai {

// Holds still the animations and timers of a movie's items while no one can see them, and
// lets exactly those go on again: what the movie itself had stopped stays stopped.
class AnimationPause {
public:
    AnimationPause() = default;
    AnimationPause(const AnimationPause&) = delete;
    AnimationPause& operator=(const AnimationPause&) = delete;
    ~AnimationPause() { Release(); }

    // Pauses every running animation (the outermost of a group) and every repeating timer
    // among root and its descendants. Animations a transition or a behaviour drives are
    // left to them.
    void Hold(QObject* root);
    // Lets go on what Hold paused, where it still exists.
    void Release();
    bool Holding() const { return !held_.isEmpty(); }

private:
    QList<QPointer<QObject>> held_;
};

}  // namespace xuehai
