// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiScene.h"

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTest>

#include "host/movie/MovieEngine.h"

namespace xuehai::test {

std::shared_ptr<QQmlEngine> SoftwareUiEngine() {
    UseSoftwareQuickRenderer();
    std::shared_ptr<QQmlEngine> engine = SharedMovieEngine();
    engine->addImportPath(QStringLiteral(XUEHAI_MOVIE_SOURCES));
    return engine;
}

QQuickItem* ShowUiScene(QQuickWidget& control, const QByteArray& qml, QSize size) {
    auto* component = new QQmlComponent(control.engine(), &control);
    component->setData(qml, QUrl());
    auto* scene = qobject_cast<QQuickItem*>(component->create());
    EXPECT_NE(scene, nullptr) << component->errorString().toStdString();
    if (scene == nullptr) {
        return nullptr;
    }
    control.setContent(QUrl(), component, scene);
    control.resize(size);
    control.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&control));
    return scene;
}

}  // namespace xuehai::test
