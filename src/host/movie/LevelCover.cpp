// SPDX-License-Identifier: GPL-3.0-or-later
#include "LevelCover.h"

#include <QQuickItem>
#include <QRectF>

#include "host/movie/Clip.h"
#include "host/movie/MovieLevel.h"

namespace xuehai {
namespace {

bool Covers(const Clip& root, QSizeF stage) {
    // The root's own visibility: its container was just shown, so nothing above it decides.
    return root.opaque() && root.isVisible() && root.opacity() >= 1.0 && root.scale() == 1.0 &&
           root.rotation() == 0.0 &&
           QRectF(root.position(), root.size()).contains(QRectF(QPointF(0, 0), stage));
}

}  // namespace

void HideCoveredLevels(const std::map<int, MovieLevel*>& levels, QSizeF stage) {
    bool covered = false;
    for (auto it = levels.rbegin(); it != levels.rend(); ++it) {
        it->second->Container()->setVisible(!covered);
        const Clip* root = it->second->Root();
        covered = covered || (root != nullptr && Covers(*root, stage));
    }
}

}  // namespace xuehai
