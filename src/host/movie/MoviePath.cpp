// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoviePath.h"

#include <QList>
#include <QStringList>

#include "host/movie/Clip.h"

namespace xuehai {

namespace {

// The clips directly below item, looking through plain items but not into other clips.
void CollectChildClips(QQuickItem* item, QList<Clip*>& clips) {
    for (QQuickItem* child : item->childItems()) {
        if (auto* clip = qobject_cast<Clip*>(child)) {
            clips.append(clip);
        } else {
            CollectChildClips(child, clips);
        }
    }
}

// The level a first path component names, or nothing when it is an ordinary clip name.
std::optional<int> LevelOf(const QString& component, int rootLevel) {
    if (component == QLatin1String("_root")) {
        return rootLevel;
    }
    static const QLatin1String prefix("_level");
    if (!component.startsWith(prefix) || component.size() == prefix.size()) {
        return std::nullopt;
    }
    const QStringView digits = QStringView(component).mid(prefix.size());
    for (QChar c : digits) {
        if (!c.isDigit()) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int level = digits.toInt(&ok);
    return ok ? std::optional<int>(level) : std::nullopt;
}

Clip* WalkDown(const QStringList& components, int rootLevel, const LevelRoots& roots) {
    if (components.isEmpty()) {
        return nullptr;
    }
    qsizetype next = 0;
    Clip* clip = nullptr;
    if (std::optional<int> level = LevelOf(components.front(), rootLevel)) {
        clip = roots(*level);
        next = 1;
    } else {
        clip = roots(rootLevel);
    }
    for (; clip != nullptr && next < components.size(); ++next) {
        clip = components[next].isEmpty() ? nullptr : FindNamedClip(clip, components[next]);
    }
    return clip;
}

}  // namespace

Clip* FindNamedClip(QQuickItem* from, const QString& name) {
    QList<Clip*> frontier;
    CollectChildClips(from, frontier);
    while (!frontier.isEmpty()) {
        QList<Clip*> deeper;
        for (Clip* clip : frontier) {
            if (clip->objectName() == name) {
                return clip;
            }
            CollectChildClips(clip, deeper);
        }
        frontier = deeper;
    }
    return nullptr;
}

Clip* FindTarget(const QString& path, int rootLevel, const LevelRoots& roots) {
    return path.isEmpty() ? nullptr : WalkDown(path.split(QLatin1Char('.')), rootLevel, roots);
}

std::optional<VariableRef> FindVariable(const QString& path, int rootLevel,
                                        const LevelRoots& roots) {
    QStringList components = path.split(QLatin1Char('.'));
    const QString name = components.takeLast();
    if (name.isEmpty() || (components.isEmpty() && LevelOf(name, rootLevel))) {
        return std::nullopt;
    }
    Clip* clip = components.isEmpty() ? roots(rootLevel) : WalkDown(components, rootLevel, roots);
    if (clip == nullptr) {
        return std::nullopt;
    }
    return VariableRef{clip, name};
}

}  // namespace xuehai
