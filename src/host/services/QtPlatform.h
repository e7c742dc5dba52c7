// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Platform.h"

namespace xuehai {

struct QtPlatformOptions {
    // The game plays in an 800 × 600 window: the screen is reported as that size and the
    // display mode is never switched.
    bool window = false;
};

// The desktop services of the running game, on Qt Widgets.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QtPlatformOptions options = {});

    MovieControl* CreateMovieControl(QWidget* parent, const MovieSettings& settings) override;
    MusicPlayer* CreateMusicPlayer(QObject* parent) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    // 800 x 600 in a window and where the game scales its own 800 x 600 screen into the display.
    QSize ScreenSize() override;
    // XRandR on an X11 session; false in a window, on Wayland and on other platforms.
    bool SetDisplayMode(std::uint16_t width, std::uint16_t height,
                        std::int32_t refreshRate) override;
    std::optional<DisplayMode> CurrentDisplayMode() override;
    // Ends every event loop of the UI thread now, and any started after; main() then returns.
    void Terminate() override;
    // A null image where the platform cannot grab the screen.
    QImage CaptureScreen(const QRect& rect) override;
    void PrintImage(const QImage& image, int sourceDpi) override;
    std::optional<QString> AskSaveFileName(QWidget* parent,
                                           const SaveDialogRequest& request) override;

private:
    bool CanSwitchDisplayMode() const;

    QtPlatformOptions options_;
};

}  // namespace xuehai
