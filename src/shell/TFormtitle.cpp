// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TFormtitle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "host/widgets/ScreenPlacement.h"
#include "shell/DesktopMode.h"

namespace xuehai {

namespace {
constexpr int kEscape = 27;
}

TFormtitle::TFormtitle(Platform& platform, ScreenFactory makeLogin)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      platform_(platform),
      makeLogin_(std::move(makeLogin)) {
    setObjectName(QStringLiteral("Formtitle"));
    setWindowTitle(QStringLiteral("学海"));
    // A 794 x 547 client area inside a one-pixel border.
    setFixedSize(796, 549);
    // Centred on the screen in force once the display has switched, which X reports a moment
    // after the switch itself.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::geometryChanged, this, [this] {
            if (isVisible()) {
                CentreOnScreen(*this);
            }
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    title_ = platform_.CreateMovieControl(
        this, {"title", WindowMode::Transparent, ScaleMode::NoBorder, true});
    layout->addWidget(title_->Widget());
    // Key preview: the form sees Esc before the movie does.
    title_->Widget()->installEventFilter(this);
    title_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        titleFSCommand(command, args);
    };
    RunGuarded(platform_, [this] { FormCreate(); });
}

void TFormtitle::FormCreate() {
    const QSize screen = platform_.ScreenSize();
    SavedScreenWidth = screen.width();
    SavedScreenHeight = screen.height();
    DesktopMode::Remember(platform_);
    if (screen.width() != 800 && screen.height() != 600) {
        DesktopMode::SetSwitched(platform_.SetDisplayMode(800, 600, 75));
    }
    title_->SetMovie(ProgramFolder() + "title.avi");
}

void TFormtitle::titleFSCommand(const std::string& command, const std::string&) {
    if (command == "end") {
        OpenLoginScreen();
    }
}

void TFormtitle::FormKeyDown(int key) {
    if (key == kEscape) {
        OpenLoginScreen();
    }
}

bool TFormtitle::eventFilter(QObject* watched, QEvent* event) {
    if (title_ != nullptr && watched == title_->Widget() && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (keyEvent->key() == Qt::Key_Escape) {
            FormKeyDown(kEscape);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormtitle::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        FormKeyDown(kEscape);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormtitle::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    QWidget::showEvent(event);
}

void TFormtitle::closeEvent(QCloseEvent* event) {
    // Closing the title from the window system, before the login screen is up, quits and
    // gives the player their desktop back.
    QWidget::closeEvent(event);
    if (!loginOpened_) {
        DesktopMode::RestoreIfSwitched(platform_);
        platform_.Terminate();
    }
}

void TFormtitle::OpenLoginScreen() {
    // The title is hidden for good once the login screen opens; a late "end" raised by the
    // movie while the login screen runs must not open a second one.
    if (loginOpened_) {
        return;
    }
    loginOpened_ = true;
    title_->Stop();
    std::unique_ptr<QDialog> login = makeLogin_(this);
    CoverScreen(*login, platform_.ScreenSize());
    hide();
    // The title never shows again: its movie goes once the login screen runs, and with it
    // the memory its pictures and its drawing surface held, and so does the window's own
    // picture of itself (some 6 MB at 1920 x 1080). Not before: the movie's own command or
    // key press may be what opened the login screen.
    QTimer::singleShot(0, this, &TFormtitle::ReleaseTitleMovie);
    login->exec();
}

void TFormtitle::ReleaseTitleMovie() {
    QWidget* movie = title_->Widget();
    movie->removeEventFilter(this);
    title_ = nullptr;
    delete movie;
    // The window system's window goes, and with it the window's backing store; the login
    // screen it owns keeps its own.
    destroy(true, false);
}

}  // namespace xuehai
