// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovieLevel.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrl>
#include <QtDebug>

#include "host/movie/Clip.h"

namespace xuehai {

MovieLevel::MovieLevel(int level, LevelHost& host, QQmlEngine& engine, QQuickItem* stage)
    : level_(level),
      host_(host),
      engine_(engine),
      context_(new QQmlContext(engine.rootContext(), this)),
      container_(new QQuickItem()) {
    context_->setContextProperty(QStringLiteral("Movie"), this);
    container_->setParent(this);
    container_->setFlag(QQuickItem::ItemIsFocusScope);
    container_->setZ(level);
    container_->setParentItem(stage);
}

MovieLevel::~MovieLevel() {
    // The document goes before its context and its container, which it depends on.
    delete root_.data();
    delete container_;
}

void MovieLevel::fscommand(const QString& command, const QString& args) {
    host_.RaiseCommand(command, args);
}

LevelRoots MovieLevel::Roots() const {
    return [this](int level) { return level == level_ ? Root() : host_.LevelRoot(level); };
}

QString MovieLevel::getVariable(const QString& path) const {
    const std::optional<VariableRef> ref = FindVariable(path, level_, Roots());
    return ref ? ref->clip->Variable(ref->name) : QString();
}

void MovieLevel::setVariable(const QString& path, const QString& value) {
    if (const std::optional<VariableRef> ref = FindVariable(path, level_, Roots())) {
        ref->clip->SetVariable(ref->name, value);
    }
}

void MovieLevel::unload() {
    host_.UnloadLevel(this);
}

Clip* MovieLevel::Root() const {
    return root_.data();
}

bool MovieLevel::Load(const QByteArray& document, const QUrl& url) {
    QQmlComponent component(&engine_);
    component.setData(document, url);
    if (!component.isReady()) {
        qWarning().noquote() << component.errorString().trimmed();
        return false;
    }
    QObject* object = component.beginCreate(context_);
    if (object == nullptr) {
        qWarning().noquote() << component.errorString().trimmed();
        return false;
    }
    root_ = qobject_cast<Clip*>(object);
    if (root_ != nullptr) {
        // Placed on the stage before completion, so Component.onCompleted sees its parent.
        root_->setParentItem(container_);
    }
    component.completeCreate();
    if (root_ == nullptr) {
        qWarning().noquote() << url.toString() + QStringLiteral(
                                                     ": the root of a movie must be "
                                                     "a Clip from Xuehai.Movie");
        delete object;
        return false;
    }
    if (container_->scopedFocusItem() == nullptr) {
        root_->setFocus(true);
    }
    return true;
}

}  // namespace xuehai
