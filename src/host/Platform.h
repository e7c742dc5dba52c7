// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "host/MovieControl.h"
#include "host/MusicPlayer.h"

class QObject;
class QWidget;

namespace xuehai {

// A mode of the primary display.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;  // hertz, rounded
};

// The save dialog's settings, as the report asks for them.
struct SaveDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite = false;
    // The name offered in the name box, without a folder (see SaveDialogStartPath).
    QString fileName;
};

// Everything the screens need from the desktop. The game runs on QtPlatform; tests hand the
// screens a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Both are owned by parent and die with it.
    virtual MovieControl* CreateMovieControl(QWidget* parent, const MovieSettings& settings) = 0;
    virtual MusicPlayer* CreateMusicPlayer(QObject* parent) = 0;

    // A plain modal message box with one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // The standard error box: the game's title, one OK button, in plain words what happened
    // and what to do, with text behind a details button and in the game folder's log. Called
    // while an exception is handled (as RunGuarded does), that exception's kind picks the
    // words.
    virtual void ShowError(const std::string& text) = 0;

    // The size of the primary screen in pixels, as the screens are laid out on it.
    virtual QSize ScreenSize() = 0;
    // Switches the primary display (not saved); false when not possible.
    virtual bool SetDisplayMode(std::uint16_t width, std::uint16_t height,
                                std::int32_t refreshRate) = 0;
    // The primary display's current mode; nothing where modes cannot be read.
    virtual std::optional<DisplayMode> CurrentDisplayMode() = 0;
    // Ends the run: every modal loop and the main loop return, the process ends.
    virtual void Terminate() = 0;

    // The given screen rectangle as it is shown now.
    virtual QImage CaptureScreen(const QRect& rect) = 0;
    // One page on the default printer, no dialog, scaled by printer dpi / sourceDpi.
    // Throws Error when no printer is set up.
    virtual void PrintImage(const QImage& image, int sourceDpi) = 0;
    // The chosen file name, or nothing when the player cancels.
    virtual std::optional<QString> AskSaveFileName(QWidget* parent,
                                                   const SaveDialogRequest& request) = 0;
};

// Runs a screen's handler for one event, as the event boundary must: whatever it throws is
// shown in the standard error box and the program goes on.
template <typename Handler>
void RunGuarded(Platform& platform, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        platform.ShowError(e.what());
    }
}

}  // namespace xuehai
