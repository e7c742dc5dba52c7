// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen/TForm1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "core/Errors.h"
#include "core/GameGlobals.h"
#include "core/IntegerText.h"
#include "core/ListItem.h"
#include "core/ProgramFolder.h"
#include "host/widgets/ScreenPlacement.h"
#include "mainscreen/MainScreenGlobals.h"
#include "ui_TForm1.h"

namespace xuehai {

namespace {

// The map panel keeps its designed distance to each edge of the 800 × 585 window.
constexpr int kPanelLeft = 90;
constexpr int kPanelTop = 32;
constexpr int kPanelRight = 90;
constexpr int kPanelBottom = 83;

}  // namespace

TForm1::TForm1(Platform& platform, MainScreenLinks links, QWidget* owner)
    : QDialog(owner, Qt::FramelessWindowHint),
      platform_(platform),
      links_(std::move(links)),
      ui_(std::make_unique<Ui::TForm1>()) {
    ui_->setupUi(this);
    // The window's own cursor, shown over the background around the map: the arrow with a
    // carried item that dragging several things shows elsewhere. Qt draws it itself where a
    // cursor theme has none; the map movie keeps the plain arrow.
    setCursor(Qt::DragMoveCursor);
    FlashBack_ = platform_.CreateMovieControl(
        &Panelback(), {"FlashBack", WindowMode::Transparent, ScaleMode::ExactFit, true});
    FlashBack_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        FlashBackFSCommand(command, args);
    };
    MediaPlayer_ = platform_.CreateMusicPlayer(&Panelback());
    MediaPlayer_->OnNotify = [this] { MediaPlayerNotify(); };
    MainFlash_ = platform_.CreateMovieControl(
        &Panel1(), {"MainFlash", WindowMode::Opaque, ScaleMode::ExactFit, true});
    MainFlash_->Widget()->setCursor(Qt::ArrowCursor);
    MainFlash_->OnFSCommand = [this](const std::string& command, const std::string& args) {
        MainFlashFSCommand(command, args);
    };
    RunGuarded(platform_, [this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The controls die after this body; nothing they still raise may reach a half-gone form.
    FlashBack_->OnFSCommand = nullptr;
    MainFlash_->OnFSCommand = nullptr;
    MediaPlayer_->OnNotify = nullptr;
    reports_.clear();
    loginScreen_.reset();
    UserRecords.reset();
}

QFrame& TForm1::Panelback() {
    return *ui_->Panelback;
}
QFrame& TForm1::Panel1() {
    return *ui_->Panel1;
}

void TForm1::FormCreate() {
    MediaPlayer_->Close();
    MediaPlayer_->SetFileName("map.mp3");
    MediaPlayer_->Open();
    MediaPlayer_->SetNotify(true);
    MusicLoop = true;
    FlashBack_->SetMovie(ProgramFolder() + "bo.mod");
    UserRecords = std::make_unique<TuserInfo>(ProgramFolder() + "Save\\userinfo.dat");
    UserRecords->ActiveUser = CurrentUserName;
    const std::vector<std::string> player = UserRecords->GetUserData(CurrentUserName);
    MainFlash_->SetMovie(ProgramFolder() + "map.mod");
    MainFlash_->SetVariable("_level0.Name", CurrentUserName);
    MainFlash_->SetVariable("_level0.score", ListItem(player, 1));
    MainFlash_->SetVariable("_level0.class", ListItem(player, 2));
    MainFlash_->SetVariable("_level0.image", ListItem(player, 3));
    FlashBack_->SetVariable("_level0.name", CurrentUserName);
    FlashBack_->SetVariable("_level0.score", ListItem(player, 1));
    FlashBack_->SetVariable("_level0.class", ListItem(player, 2));
    FlashBack_->SetVariable("_level0.image", ListItem(player, 3));
    ClassGate(ListItem(player, 2));
    ReportPlayerName = CurrentUserName;
    ReportFolder = ProgramFolder();
}

void TForm1::FormShow() {
    MediaPlayer_->Play();
}

void TForm1::MediaPlayerNotify() {
    if (MusicLoop) {
        MediaPlayer_->Play();
    }
    MusicLoop = true;
}

// Classes 5 and 10 open the two locked regions of the map.
void TForm1::ClassGate(const std::string& playerClass) {
    const int value = StrToInt(playerClass);
    if (value > 4) {
        MainFlash_->TGotoFrame("_root.Map.mpin.mask2", 2);
    }
    if (value > 9) {
        MainFlash_->TGotoFrame("_root.Map.mpin.mask3", 2);
    }
}

// A track that could not be opened leaves nothing to stop; leaving the map or a subject must
// still work then, so that case is not an error.
void TForm1::StopMusic() {
    try {
        MediaPlayer_->Stop();
    } catch (const MediaError&) {
        // Nothing is open, so nothing plays.
    }
}

void TForm1::FlashBackFSCommand(const std::string& command, const std::string&) {
    if (command == "topover") {
        MainFlash_->TGotoFrame("_root.scroll", 1);
    } else if (command == "leftover") {
        MainFlash_->TGotoFrame("_root.scroll", 3);
    } else if (command == "rightover") {
        MainFlash_->TGotoFrame("_root.scroll", 4);
    } else if (command == "downover") {
        MainFlash_->TGotoFrame("_root.scroll", 2);
    } else if (command == "topout" || command == "leftout" || command == "rightout" ||
               command == "downout") {
        MainFlash_->TGotoFrame("_root.scroll", 0);
    } else if (command == "uplevel") {
        Uplevel();
    } else if (command == "PrintStatus") {
        PrintStatus();
    }
}

void TForm1::Uplevel() {
    StopMusic();
    MediaPlayer_->Close();
    // The notification of the track just stopped must not start it again on a closed player.
    MusicLoop = false;
    loginScreen_ = links_.loginScreen(this);
    loginScreen_->show();
    leaving_ = true;
    close();
}

void TForm1::PrintStatus() {
    ReportPlayerName = CurrentUserName;
    ReportFolder = ProgramFolder();
    reports_.push_back(links_.report(this));
    QDialog& report = *reports_.back();
    report.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    CentreOnScreen(report);
    report.exec();
}

void TForm1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        RunGuarded(platform_, [this] { FormShow(); });
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Panelback().setGeometry(rect());
    FlashBack_->Widget()->setGeometry(Panelback().rect());
    Panel1().setGeometry(kPanelLeft, kPanelTop, width() - kPanelLeft - kPanelRight,
                         height() - kPanelTop - kPanelBottom);
    MainFlash_->Widget()->setGeometry(Panel1().rect());
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // The map is left only through its movie; Esc must not drop the player out of it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A close from the window system leaves the map the way the movie's "uplevel" does; the
    // close that "uplevel" asks for is this one, as Qt does not nest closes.
    if (!leaving_) {
        RunGuarded(platform_, [this] { Uplevel(); });
        if (!leaving_) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

}  // namespace xuehai
