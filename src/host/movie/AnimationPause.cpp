// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationPause.h"

#include <QQuickItem>
#include <QSet>
#include <QVariant>

namespace xuehai {

namespace {

bool IsAnimation(const QObject* object) {
    return object->inherits("QQuickAbstractAnimation");
}

bool IsTimer(const QObject* object) {
    return object->inherits("QQmlTimer");
}

// Only the outermost animation of a group may be paused, and one that a transition or a
// behaviour owns is started and stopped by them.
bool ControlledFromOutside(const QObject* animation) {
    for (const QObject* up = animation->parent(); up != nullptr; up = up->parent()) {
        if (up->inherits("QQuickAnimationGroup") || up->inherits("QQuickTransition") ||
            up->inherits("QQuickBehavior")) {
            return true;
        }
        if (!IsAnimation(up)) {
            return false;
        }
    }
    return false;
}

bool Runs(const QObject* object) {
    // A timer that fires once (a cool-down, a delay) costs nothing while it waits and is
    // left to fire.
    if (IsTimer(object)) {
        return object->property("running").toBool() && object->property("repeat").toBool();
    }
    return IsAnimation(object) && !ControlledFromOutside(object) &&
           object->property("running").toBool() && !object->property("paused").toBool();
}

void Pause(QObject* object) {
    object->setProperty(IsTimer(object) ? "running" : "paused", !IsTimer(object));
}

void Resume(QObject* object) {
    object->setProperty(IsTimer(object) ? "running" : "paused", IsTimer(object));
}

// A movie's objects hang from their owners, its items from the items they are drawn in; a
// level's root clip, for one, has no owner.
void Collect(QObject* object, QSet<QObject*>& seen, QList<QObject*>& found) {
    if (seen.contains(object)) {
        return;
    }
    seen.insert(object);
    found.append(object);
    for (QObject* child : object->children()) {
        Collect(child, seen, found);
    }
    if (auto* item = qobject_cast<QQuickItem*>(object)) {
        for (QQuickItem* child : item->childItems()) {
            Collect(child, seen, found);
        }
    }
}

}  // namespace

void AnimationPause::Hold(QObject* root) {
    if (root == nullptr) {
        return;
    }
    QSet<QObject*> seen;
    QList<QObject*> candidates;
    Collect(root, seen, candidates);
    for (QObject* object : candidates) {
        if (Runs(object)) {
            Pause(object);
            held_.append(object);
        }
    }
}

void AnimationPause::Release() {
    // Taken first: resuming may run the movie's code, which may hold again.
    const QList<QPointer<QObject>> held = std::exchange(held_, {});
    for (const QPointer<QObject>& object : held) {
        if (object) {
            Resume(object);
        }
    }
}

}  // namespace xuehai
