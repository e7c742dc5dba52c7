// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQmlPropertyMap>

namespace xuehai {

// A clip's variables. They are texts on both sides: whatever a movie writes is kept as its
// text, so the host reads back exactly what the movie shows.
class ClipVariables : public QQmlPropertyMap {
    Q_OBJECT
public:
    explicit ClipVariables(QObject* parent = nullptr);

protected:
    QVariant updateValue(const QString& key, const QVariant& input) override;
};

}  // namespace xuehai
