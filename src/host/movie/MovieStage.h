// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSizeF>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "host/MovieControl.h"
#include "host/movie/MovieLevel.h"
#include "host/movie/StageMapping.h"

class QQmlEngine;
class QQuickItem;

namespace xuehai {

// The levels of one control, stacked by number on one stage that is scaled into the view.
// The stage has the size of the lowest loaded level's root clip (normally level 0).
class MovieStage : public QObject, public LevelHost {
    Q_OBJECT
public:
    using CommandSink = std::function<void(const QString& command, const QString& args)>;

    MovieStage(QQmlEngine& engine, QQuickItem* view, CommandSink raise, QObject* parent);
    ~MovieStage() override;

    // Loads a movie file into a level at once, replacing what the level held; a file that
    // cannot be read or played leaves the level empty.
    void Load(int level, const std::filesystem::path& file);
    void UnloadAll();

    // Paths as the host sees them: "_root" is level 0.
    Clip* Target(const QString& path) const;
    std::optional<VariableRef> Variable(const QString& path) const;

    void SetViewSize(QSizeF size);
    void SetScaleMode(ScaleMode mode);
    StageMapping Mapping() const { return mapping_; }

    Clip* LevelRoot(int level) const override;
    void RaiseCommand(const QString& command, const QString& args) override;
    void UnloadLevel(MovieLevel* level) override;

private:
    void Discard(MovieLevel* level);
    void FocusTopLevel();
    void Relayout();
    void UpdateCover();

    QQmlEngine& engine_;
    CommandSink raise_;
    QQuickItem* stage_;
    StageTransform* transform_;
    std::map<int, MovieLevel*> levels_;
    QSizeF viewSize_;
    ScaleMode scaleMode_ = ScaleMode::ShowAll;
    StageMapping mapping_;
    bool covering_ = false;
    // The levels shown at the last look, top one last.
    std::vector<const MovieLevel*> shown_;
};

}  // namespace xuehai
