// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QPointF>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/movie/TShockwaveFlash.h"

class QQuickItem;

namespace xuehai::test {

using Commands = std::vector<std::pair<std::string, std::string>>;

// One of the game's movies played in a control of its own, over a game folder that holds
// the shared movie module; the test plays the host's part and the player's.
class MovieScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the movie into the game folder under the game's name and plays it in level 0.
    void Play(const QString& source, const QString& gameName);
    // The first item under the movie that has the property, e.g. the board of a quiz.
    QQuickItem* WithProperty(const char* name) const;
    QVariant Property(const char* item, const char* name) const;
    // The visible text item that shows exactly this text, e.g. one answer on its card.
    QQuickItem* TextShowing(const QString& text) const;
    // Clicks the visible item with this caption that raises the signal, where the player
    // sees it: a button's "clicked()", an answer card's "picked()".
    void ClickButton(const QString& caption, const char* signal = "clicked()");
    void Press(Qt::Key key);
    // Runs the event loop until the condition holds or the time is up.
    static bool WaitFor(const std::function<bool()>& condition, int milliseconds = 6000);
    static void Settle(int milliseconds = 50);

    bool Raised(const std::string& command) const;

    QTemporaryDir folder_;
    std::unique_ptr<TShockwaveFlash> control_;
    Commands commands_;
    std::vector<std::string> errors_;
    std::vector<std::string> warnings_;
    QtMessageHandler previousHandler_ = nullptr;
};

// Where the movie sources lie in the source tree.
QString MovieSource(const QString& relativePath);

}  // namespace xuehai::test
