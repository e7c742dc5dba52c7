// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QQuickItem;

namespace xuehai {

class Clip;

// The root clip of a level, or nullptr when the level is not loaded.
using LevelRoots = std::function<Clip*(int level)>;

// The clip a dotted target path names ("_level1", "_root.Map.mpin.mask2"), or nullptr.
// "_root" and bare names start at rootLevel: level 0 for the host, its own level for a movie.
Clip* FindTarget(const QString& path, int rootLevel, const LevelRoots& roots);

// A variable path: the clip that holds it and the variable's name.
struct VariableRef {
    Clip* clip;
    QString name;
};

// "_level1.Qstn", "_level0.Init.complete", bare "iImageNum"; nothing when the clip is missing.
std::optional<VariableRef> FindVariable(const QString& path, int rootLevel,
                                        const LevelRoots& roots);

// The nearest Clip below from named name, counting only clips as steps.
Clip* FindNamedClip(QQuickItem* from, const QString& name);

}  // namespace xuehai
