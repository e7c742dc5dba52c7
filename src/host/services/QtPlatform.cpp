// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include "host/movie/TShockwaveFlash.h"
#include "host/services/ImagePrinting.h"
#include "host/services/SaveFileDialog.h"
#include "host/services/TMediaPlayer.h"
#include "host/services/X11DisplayMode.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {

namespace {

constexpr QSize kWindowScreen{800, 600};

// Texts may carry file names or movie input, so they are never read as markup. The box
// belongs to the screen that is running, so it stays in front of screens kept on top.
void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    QMessageBox box(icon, QString::fromUtf8("学海"), QString::fromStdString(text), QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

QtPlatform::QtPlatform(QtPlatformOptions options) : options_(options) {}

MovieControl* QtPlatform::CreateMovieControl(QWidget* parent, const MovieSettings& settings) {
    return new TShockwaveFlash(settings, parent,
                               [this](const std::string& message) { ShowError(message); });
}

MusicPlayer* QtPlatform::CreateMusicPlayer(QObject* parent) {
    return new TMediaPlayer(*this, parent);
}

void QtPlatform::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void QtPlatform::ShowError(const std::string& text) {
    ShowBox(QMessageBox::Critical, text);
}

QSize QtPlatform::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (options_.window || !screen || VirtualScreen::Picture()) {
        return kWindowScreen;
    }
    return screen->geometry().size();
}

bool QtPlatform::CanSwitchDisplayMode() const {
    // An X client on a Wayland desktop sees emulated modes that switch nothing.
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QStringLiteral("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    return !options_.window && !wayland && QGuiApplication::platformName() == QStringLiteral("xcb");
}

bool QtPlatform::SetDisplayMode(std::uint16_t width, std::uint16_t height,
                                std::int32_t refreshRate) {
    return CanSwitchDisplayMode() && SetX11DisplayMode(width, height, refreshRate);
}

std::optional<DisplayMode> QtPlatform::CurrentDisplayMode() {
    if (!CanSwitchDisplayMode()) {
        return std::nullopt;
    }
    return ReadX11DisplayMode();
}

void QtPlatform::Terminate() {
    QCoreApplication::exit(0);
}

QImage QtPlatform::CaptureScreen(const QRect& rect) {
    QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen || rect.isEmpty()) {
        return {};
    }
    const QRect onScreen = rect.translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height())
        .toImage();
}

void QtPlatform::PrintImage(const QImage& image, int sourceDpi) {
    PrintImageOnDefaultPrinter(image, sourceDpi);
}

std::optional<QString> QtPlatform::AskSaveFileName(QWidget* parent,
                                                   const SaveDialogRequest& request) {
    return AskSaveFileNameWithDialog(parent, request);
}

}  // namespace xuehai
