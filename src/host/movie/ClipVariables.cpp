// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipVariables.h"

namespace xuehai {

ClipVariables::ClipVariables(QObject* parent) : QQmlPropertyMap(this, parent) {}

QVariant ClipVariables::updateValue(const QString& /*key*/, const QVariant& input) {
    return QVariant(input.toString());
}

}  // namespace xuehai
