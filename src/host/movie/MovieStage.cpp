// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieStage.h"

#include <QFile>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrl>
#include <QtDebug>
#include <utility>

#include "core/ProgramFolder.h"
#include "host/freedmemory/FreedPages.h"
#include "host/movie/Clip.h"
#include "host/movie/LevelCover.h"

namespace xuehai {

MovieStage::MovieStage(QQmlEngine& engine, QQuickItem* view, CommandSink raise, QObject* parent)
    : QObject(parent),
      engine_(engine),
      raise_(std::move(raise)),
      stage_(new QQuickItem()),
      transform_(new StageTransform(stage_)) {
    stage_->setParent(this);
    stage_->setParentItem(view);
    stage_->setClip(true);
    transform_->appendToItem(stage_);
}

MovieStage::~MovieStage() {
    // Levels waiting for their deferred deletion go now too: their items need the engine.
    // None is the stage's any more, so their clips leaving the scene reach no cover.
    levels_.clear();
    const QList<MovieLevel*> all = findChildren<MovieLevel*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(all);
    delete stage_;
    ReturnFreedPagesSoon();
}

void MovieStage::Load(int level, const std::filesystem::path& file) {
    if (auto old = levels_.find(level); old != levels_.end()) {
        MovieLevel* replaced = old->second;
        levels_.erase(old);
        Discard(replaced);
    }
    const QString fileName = QString::fromStdString(file.string());
    QFile source(fileName);
    if (!source.open(QIODevice::ReadOnly)) {
        qWarning().noquote()
            << QStringLiteral("Cannot read the movie %1: %2").arg(fileName, source.errorString());
        Relayout();
        return;
    }
    // The game folder holds the shared movie modules (Xuehai.Ui); tests and tools move it.
    engine_.addImportPath(QString::fromStdString(ProgramFolder()));
    auto* movie = new MovieLevel(level, *this, engine_, stage_);
    movie->setParent(this);
    levels_[level] = movie;
    if (!movie->Load(source.readAll(), QUrl::fromLocalFile(fileName))) {
        if (auto it = levels_.find(level); it != levels_.end() && it->second == movie) {
            levels_.erase(it);
        }
        delete movie;
        Relayout();
        return;
    }
    connect(movie->Root(), &QQuickItem::widthChanged, this, &MovieStage::Relayout);
    connect(movie->Root(), &QQuickItem::heightChanged, this, &MovieStage::Relayout);
    connect(movie->Root(), &Clip::opaqueChanged, this, &MovieStage::UpdateCover);
    for (auto change :
         {&QQuickItem::visibleChanged, &QQuickItem::opacityChanged, &QQuickItem::xChanged,
          &QQuickItem::yChanged, &QQuickItem::scaleChanged, &QQuickItem::rotationChanged}) {
        connect(movie->Root(), change, this, &MovieStage::UpdateCover);
    }
    Relayout();
    FocusTopLevel();
}

void MovieStage::UnloadAll() {
    const std::map<int, MovieLevel*> all = std::exchange(levels_, {});
    for (const auto& [number, level] : all) {
        Discard(level);
    }
}

void MovieStage::UnloadLevel(MovieLevel* level) {
    auto it = levels_.find(level->level());
    if (it == levels_.end() || it->second != level) {
        return;
    }
    levels_.erase(it);
    Discard(level);
    Relayout();
    FocusTopLevel();
}

void MovieStage::Discard(MovieLevel* level) {
    // Gone from sight and input at once; deleted when no script of it can be running. It is
    // out of the stage's levels already, so the cover never shows it again.
    level->Container()->setVisible(false);
    level->deleteLater();
    ReturnFreedPagesSoon();
}

void MovieStage::FocusTopLevel() {
    if (!levels_.empty()) {
        levels_.rbegin()->second->Container()->setFocus(true);
    }
}

Clip* MovieStage::LevelRoot(int level) const {
    auto it = levels_.find(level);
    return it == levels_.end() ? nullptr : it->second->Root();
}

void MovieStage::RaiseCommand(const QString& command, const QString& args) {
    raise_(command, args);
}

Clip* MovieStage::Target(const QString& path) const {
    return FindTarget(path, 0, [this](int level) { return LevelRoot(level); });
}

std::optional<VariableRef> MovieStage::Variable(const QString& path) const {
    return FindVariable(path, 0, [this](int level) { return LevelRoot(level); });
}

void MovieStage::SetViewSize(QSizeF size) {
    viewSize_ = size;
    Relayout();
}

void MovieStage::SetScaleMode(ScaleMode mode) {
    scaleMode_ = mode;
    Relayout();
}

void MovieStage::Relayout() {
    QSizeF stageSize = viewSize_;
    for (const auto& [number, level] : levels_) {
        const Clip* root = level->Root();
        if (root->width() > 0 && root->height() > 0) {
            stageSize = root->size();
            break;
        }
    }
    stage_->setSize(stageSize);
    mapping_ = MapStage(stageSize, viewSize_, scaleMode_);
    transform_->Set(mapping_);
    UpdateCover();
}

void MovieStage::UpdateCover() {
    // Hiding a level changes its root's visibility, which calls here again.
    if (covering_) {
        return;
    }
    covering_ = true;
    HideCoveredLevels(levels_, stage_->size());
    covering_ = false;
    // What a level hidden now lets go of goes back to the system.
    std::vector<const MovieLevel*> shown;
    for (const auto& [number, level] : levels_) {
        if (level->Root() != nullptr && level->Root()->isVisible()) {
            shown.push_back(level);
        }
    }
    if (shown != shown_) {
        shown_ = std::move(shown);
        ReturnFreedPagesSoon();
    }
}

}  // namespace xuehai
