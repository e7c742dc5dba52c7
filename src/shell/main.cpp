// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "core/ProgramFolder.h"
#include "host/drawingcore/DrawingCore.h"
#include "host/freedmemory/LargeBlocks.h"
#include "host/movie/RendererChoice.h"
#include "host/services/QtPlatform.h"
#include "host/services/QtTranslations.h"
#include "host/services/TMediaPlayer.h"
#include "host/widgets/ScreenPlacement.h"
#include "server/ServerEngine.h"
#include "server/ServerErrors.h"
#include "shell/CommandLine.h"
#include "shell/DesignFonts.h"
#include "shell/DesktopMode.h"
#include "shell/DisplayFit.h"
#include "shell/GameFolderStart.h"
#include "shell/ScreenChain.h"
#include "shell/TFormtitle.h"

int main(int argc, char** argv) {
    xuehai::ReturnLargeBlocksAtOnce();
    QApplication app(argc, argv);
    // Movies draw through the graphics card where one draws OpenGL, else with Qt Quick's
    // software renderer; chosen before any movie control exists.
    if (xuehai::ChooseQuickRenderer() == xuehai::QuickRenderer::Software) {
        xuehai::KeepDrawingOnOneCore();
    }
    QApplication::setApplicationName(QStringLiteral("xuehai"));
    QApplication::setApplicationDisplayName(QStringLiteral("学海"));
    QApplication::setApplicationVersion(QStringLiteral(XUEHAI_VERSION));
    // The run ends only by the login screen's "exit" (or a window close that stands for it);
    // the title hides itself early, so Qt's last-window rule would end it at the first
    // message box that closes without a visible owner.
    QApplication::setQuitOnLastWindowClosed(false);

    const xuehai::GameOptions options = xuehai::ParseCommandLine(app);
    xuehai::InstallQtTranslations(app);
    xuehai::InstallDesignFonts();
    xuehai::SetMusicMuted(options.mute);

    xuehai::QtPlatform platform({options.windowed});
    if (!xuehai::OpenGameFolder(platform, options)) {
        return 1;
    }
    // A computer room keeps the records on a server (xuehai.conf or XUEHAI_SERVER); without
    // it the game cannot count a single answer, so it says which server and ends.
    try {
        xuehai::UseConfiguredServer(xuehai::ProgramFolder());
    } catch (const xuehai::ServerUnreachableError& error) {
        platform.ShowError(error.what());
        return 1;
    }
    xuehai::ScreenChain screens(platform);
    xuehai::TFormtitle title(platform, screens.LoginScreen());
    // The title has tried the switch to 800 x 600; where it did not happen the game's screens
    // get an 800 x 600 screen of their own, scaled into the display.
    const std::unique_ptr<QWindow> backdrop =
        xuehai::FitScreensToDisplay(options.windowed, xuehai::DesktopMode::Switched());
    // Placed before it shows: a window gets the frame the player resizes it by.
    xuehai::CentreOnScreen(title);
    title.show();
    return QApplication::exec();
}
