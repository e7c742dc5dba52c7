// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "host/movie/MoviePath.h"

class QByteArray;
class QQmlContext;
class QQmlEngine;
class QQuickItem;
class QUrl;

namespace xuehai {

class Clip;
class MovieLevel;

// What a level's movie reaches of the control that plays it.
class LevelHost {
public:
    virtual void RaiseCommand(const QString& command, const QString& args) = 0;
    virtual Clip* LevelRoot(int level) const = 0;
    virtual void UnloadLevel(MovieLevel* level) = 0;

protected:
    ~LevelHost() = default;
};

// One loaded document and the object it sees as `Movie`. The level owns its QML context,
// the focus scope the document sits in and the document's root clip; deleting the level
// removes all of them.
class MovieLevel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int level READ level CONSTANT)
public:
    MovieLevel(int level, LevelHost& host, QQmlEngine& engine, QQuickItem* stage);
    ~MovieLevel() override;

    int level() const { return level_; }

    Q_INVOKABLE void fscommand(const QString& command, const QString& args = QString());
    Q_INVOKABLE QString getVariable(const QString& path) const;
    Q_INVOKABLE void setVariable(const QString& path, const QString& value);
    Q_INVOKABLE void unload();

    // Creates the document; false, with the reasons on standard error, when it cannot be
    // loaded or its root is not a Clip. The level then stays empty.
    bool Load(const QByteArray& document, const QUrl& url);
    Clip* Root() const;
    QQuickItem* Container() const { return container_; }

    // The roots as this movie sees them: "_root" and its own level are its own clip even
    // while a replacement is being loaded.
    LevelRoots Roots() const;

private:
    int level_;
    LevelHost& host_;
    QQmlEngine& engine_;
    QQmlContext* context_;
    QQuickItem* container_;
    QPointer<Clip> root_;
};

}  // namespace xuehai
