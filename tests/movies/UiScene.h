// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSize>
#include <memory>

class QQmlEngine;
class QQuickItem;
class QQuickWidget;

namespace xuehai::test {

// The movies' engine, drawn by the software renderer, with the movies' own types (Xuehai.Ui)
// taken from the source tree.
std::shared_ptr<QQmlEngine> SoftwareUiEngine();

// Shows a scene written with those types in the control, at the size given, and waits until
// it is on screen. Null, with the test failed, where the scene has an error.
QQuickItem* ShowUiScene(QQuickWidget& control, const QByteArray& qml, QSize size);

}  // namespace xuehai::test
