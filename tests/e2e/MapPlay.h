// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/movie/Clip.h"
#include "host/movie/TShockwaveFlash.h"
#include "host/services/QtPlatform.h"
#include "mainscreen/TForm1.h"

class QQuickItem;

namespace xuehai::test {

// The game's own platform, except that message and error boxes are written down instead of
// waiting for a click that no one makes.
class RecordingQtPlatform : public QtPlatform {
public:
    RecordingQtPlatform() : QtPlatform({.window = true}) {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// The map screen with the real movie and music players over a copy of the demo game folder,
// played the way a child plays it: with the mouse on what the movies draw.
class MapPlay : public ::testing::Test {
protected:
    static constexpr const char* kPlayer = "小华";

    void SetUp() override;
    void TearDown() override;

    TShockwaveFlash& Map();
    TShockwaveFlash& Frame();

    // The first visible item under the level's root that the predicate accepts.
    QQuickItem* Find(TShockwaveFlash& movie, const std::string& level,
                     const std::function<bool(QQuickItem*)>& wanted) const;
    // The visible item whose "text" (or "name") property reads caption and which can raise
    // the signal, e.g. a button's "clicked()" or an answer card's "picked()".
    QQuickItem* Labelled(TShockwaveFlash& movie, const std::string& level, const QString& caption,
                         const char* signal) const;
    // A left click at the item's centre, where the player sees it.
    void Click(TShockwaveFlash& movie, QQuickItem* item);
    void ClickLabelled(TShockwaveFlash& movie, const std::string& level, const QString& caption,
                       const char* signal = "clicked()");
    static bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000);

    // "SELECT expression FROM rest" on a database of the game folder copy.
    std::string Value(const std::string& relative, const std::string& expression,
                      const std::string& rest) const;
    std::string Player(const std::string& column) const;

    QTemporaryDir folder_;
    RecordingQtPlatform platform_;
    std::unique_ptr<TForm1> screen_;
    int loginScreensMade_ = 0;
};

}  // namespace xuehai::test
