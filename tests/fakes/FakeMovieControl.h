// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "host/MovieControl.h"

namespace xuehai::fakes {

class FakePlatform;

// A movie control that plays nothing: it logs each call as "<name>.<Operation>(<args>)" and
// keeps the variables in a map, so GetVariable answers what was set or what the test preset.
class FakeMovieControl : public QWidget, public MovieControl {
public:
    FakeMovieControl(FakePlatform& platform, QWidget* parent, const MovieSettings& settings);

    QWidget* Widget() override { return this; }
    void SetMovie(const std::string& path) override;
    void LoadMovie(int layer, const std::string& url) override;
    void SetVariable(const std::string& name, const std::string& value) override;
    std::string GetVariable(const std::string& name) override;
    void TGotoFrame(const std::string& target, int frame) override;
    void GotoFrame(int frame) override;
    void TPlay(const std::string& target) override;
    void Stop() override;
    void TSetProperty(const std::string& target, int property, const std::string& value) override;

    const std::string& Name() const { return settings_.name; }
    const MovieSettings& Settings() const { return settings_; }
    // Sets a variable as the movie would, without a log line.
    void Preset(const std::string& name, const std::string& value) { variables_[name] = value; }
    const std::map<std::string, std::string>& Variables() const { return variables_; }

    // The movie raises a command: the screen's handler runs now, and what it throws goes to
    // the platform's error box, as the real control does.
    void Raise(const std::string& command, const std::string& args = {});

private:
    void Record(const std::string& call);

    FakePlatform& platform_;
    MovieSettings settings_;
    std::map<std::string, std::string> variables_;
};

}  // namespace xuehai::fakes
