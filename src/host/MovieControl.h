// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace xuehai {

enum class WindowMode { Opaque, Transparent };
enum class ScaleMode { ShowAll, NoBorder, ExactFit };

// How a screen sets up one of its movie controls.
struct MovieSettings {
    std::string name;  // the component's name, e.g. "MainFlash"
    WindowMode windowMode = WindowMode::Opaque;
    ScaleMode scaleMode = ScaleMode::ShowAll;
    bool highQuality = true;
};

// What a screen asks of a movie control. All texts are UTF-8; paths are written as the game
// writes them and resolved inside the game folder.
class MovieControl {
public:
    virtual ~MovieControl() = default;

    // The widget to place on the form; the control is owned by its parent widget.
    virtual QWidget* Widget() = 0;

    // Unloads every level and loads the file into level 0 at once.
    virtual void SetMovie(const std::string& path) = 0;
    virtual void LoadMovie(int layer, const std::string& url) = 0;
    virtual void SetVariable(const std::string& name, const std::string& value) = 0;
    // The empty text for a variable, clip or level that does not exist.
    virtual std::string GetVariable(const std::string& name) = 0;
    virtual void TGotoFrame(const std::string& target, int frame) = 0;
    virtual void GotoFrame(int frame) = 0;
    virtual void TPlay(const std::string& target) = 0;
    virtual void Stop() = 0;
    // Property 7 is visibility: "0" hides, any other number shows.
    virtual void TSetProperty(const std::string& target, int property,
                              const std::string& value) = 0;

    // The screen's handler; called once for each command the movie raised, one at a time,
    // after the movie's own script has returned. What it throws goes to the error box.
    std::function<void(const std::string& command, const std::string& args)> OnFSCommand;
};

}  // namespace xuehai
