// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clip.h"

namespace xuehai {

Clip::Clip(QQuickItem* parent) : QQuickItem(parent), vars_(this) {}

void Clip::setFrame(int frame) {
    if (frame < 0 || frame == frame_) {
        return;
    }
    frame_ = frame;
    Q_EMIT frameChanged();
}

void Clip::setPlaying(bool playing) {
    if (playing == playing_) {
        return;
    }
    playing_ = playing;
    Q_EMIT playingChanged();
}

void Clip::setOpaque(bool opaque) {
    if (opaque == opaque_) {
        return;
    }
    opaque_ = opaque;
    Q_EMIT opaqueChanged();
}

void Clip::gotoFrame(int frame) {
    setFrame(frame);
    stop();
}

void Clip::SetVariable(const QString& name, const QString& value) {
    vars_.insert(name, value);
    Q_EMIT variableSet(name, value);
}

QString Clip::Variable(const QString& name) const {
    return vars_.value(name).toString();
}

}  // namespace xuehai
