// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/QtPlatform.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

#include "core/ProgramFolder.h"
#include "host/movie/TShockwaveFlash.h"
#include "host/scaledwindow/ScaledWindow.h"
#include "host/services/FailureLog.h"
#include "host/services/FailureNotice.h"
#include "host/services/ImagePrinting.h"
#include "host/services/SaveFileDialog.h"
#include "host/services/TMediaPlayer.h"
#include "host/services/X11DisplayMode.h"
#include "host/virtualscreen/VirtualScreen.h"

namespace xuehai {

namespace {

constexpr QSize kWindowScreen{800, 600};

// The game's Chinese face, large enough for a child to read at a glance, scaled with the
// screen the box belongs to.
QFont BoxFont(const QWidget* owner) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSizeF(15 * ScaledWindow::ScaleOf(owner));
    return font;
}

// Texts may carry file names or movie input, so they are never read as markup. The box
// belongs to the screen that is running, so it stays in front of screens kept on top.
void ShowBox(QMessageBox::Icon icon, const std::string& text, const std::string& detail = {}) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    QMessageBox box(icon, QString::fromUtf8("学海"), QString::fromStdString(text), QMessageBox::Ok,
                    owner);
    box.setTextFormat(Qt::PlainText);
    box.setFont(BoxFont(owner));
    if (!detail.empty()) {
        box.setDetailedText(QString::fromStdString(detail));
    }
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
    // Called while the failure is being handled, so its kind is at hand.
    const FailureNotice notice = NoticeFor(text, std::current_exception());
    const std::filesystem::path log = LogFailure(ProgramFolder(), notice.detail);
    std::string detail = notice.detail;
    if (!log.empty()) {
        detail += "\n\n日志文件：" + log.string();
    }
    ShowBox(QMessageBox::Critical, notice.text, detail);
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
