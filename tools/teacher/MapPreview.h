// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "subjects/GameSubjects.h"

namespace xuehai::teacher {

// The map of the game folder in small: its places, the clouded regions and where a new
// subject would stand.
class MapPreview : public QWidget {
    Q_OBJECT
public:
    MapPreview(const subjects::GameSubjects& subjects, QWidget* parent = nullptr);
    void ShowPlan(const std::optional<subjects::SubjectPlan>& plan);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const subjects::GameSubjects& subjects_;
    std::optional<subjects::SubjectPlan> plan_;
};

}  // namespace xuehai::teacher
