// SPDX-License-Identifier: GPL-3.0-or-later
#include "TShockwaveFlash.h"

#include <QBackingStore>
#include <QQmlEngine>
#include <QQuickItem>
#include <QResizeEvent>
#include <QSurfaceFormat>

#include "core/Errors.h"
#include "core/GamePath.h"
#include "host/freedmemory/FreedPages.h"
#include "host/movie/Clip.h"
#include "host/movie/CommandQueue.h"
#include "host/movie/MovieDrawing.h"
#include "host/movie/MovieEngine.h"
#include "host/movie/MovieSight.h"
#include "host/movie/MovieStage.h"
#include "host/movie/PictureCopy.h"

namespace xuehai {

namespace {

constexpr int kVisibilityProperty = 7;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

TShockwaveFlash::TShockwaveFlash(const MovieSettings& settings, QWidget* parent,
                                 ErrorShower showError)
    : TShockwaveFlash(SharedMovieEngine(), settings, parent, std::move(showError)) {}

TShockwaveFlash::TShockwaveFlash(std::shared_ptr<QQmlEngine> engine, const MovieSettings& settings,
                                 QWidget* parent, ErrorShower showError)
    : QQuickWidget(engine.get(), parent),
      engine_(std::move(engine)),
      commands_(new CommandQueue(
          [this](const QString& command, const QString& args) { Deliver(command, args); },
          std::move(showError), this)),
      stage_(new MovieStage(
          *engine_, quickWindow()->contentItem(),
          [this](const QString& command, const QString& args) { commands_->Raise(command, args); },
          this)),
      sight_(new MovieSight(*this, [this](bool seen) { SightChanged(seen); })) {
    setObjectName(Text(settings.name));
    setFocusPolicy(Qt::StrongFocus);
    setClearColor(settings.windowMode == WindowMode::Transparent ? QColor(Qt::transparent)
                                                                 : QColor(Qt::white));
    // Multisampling where Qt Quick draws on a GPU; the software renderer smooths the edges of
    // the items that ask for it (antialiasing: true), whatever the quality.
    QSurfaceFormat surface = format();
    surface.setSamples(settings.highQuality ? 4 : 0);
    setFormat(surface);
    stage_->SetScaleMode(settings.scaleMode);
    stage_->SetViewSize(size());
}

TShockwaveFlash::~TShockwaveFlash() {
    // The movies go before the engine they were made by, which may go with this control.
    delete stage_;
    MovieDrawing::SetSceneSeen(quickWindow(), true);
}

void TShockwaveFlash::SightChanged(bool seen) {
    if (seen) {
        glimpse_.Clear();
        RestorePicture(true);
        unseen_.Release();
    } else {
        unseen_.Hold(quickWindow()->contentItem());
        KeepGlimpse();
        ReleasePicture();
    }
    // Its movies' cached pictures go while it is out of sight, and are taken again after.
    MovieDrawing::SetSceneSeen(quickWindow(), seen);
    if (!seen) {
        ReturnFreedPagesSoon();
    }
}

void TShockwaveFlash::KeepGlimpse() {
    const QRect part = sight_->Glimpse();
    if (part.isEmpty()) {
        glimpse_.Clear();
        return;
    }
    // Another part came into sight while the picture was let go: it is drawn once to copy.
    RestorePicture(false);
    if (glimpse_.Take(*this, part)) {
        update(part);
    }
}

void TShockwaveFlash::ReleasePicture() {
    if (pictureReleased_ || !MovieDrawing::InSoftware()) {
        return;
    }
    // Qt's own slot for a scene graph that went: it drops the picture and nothing else.
    QMetaObject::invokeMethod(this, "destroyFramebufferObject", Qt::DirectConnection);
    pictureReleased_ = true;
    // A window repaints all of itself, at its size, once its surface has another size.
    QBackingStore* store = window()->backingStore();
    if (store != nullptr && !sight_->WindowSeen()) {
        store->resize(QSize(1, 1));
    }
}

void TShockwaveFlash::RestorePicture(bool repaint) {
    if (!pictureReleased_) {
        return;
    }
    pictureReleased_ = false;
    // A control without a picture of its size makes a new one on a resize and draws the whole
    // scene into it there and then.
    QResizeEvent same(size(), size());
    QQuickWidget::resizeEvent(&same);
    if (repaint) {
        update();
    }
}

void TShockwaveFlash::HideClip(Clip& clip, bool hidden) {
    if (hidden) {
        std::unique_ptr<AnimationPause>& pause = hiddenClips_[&clip];
        if (!pause) {
            pause = std::make_unique<AnimationPause>();
            connect(&clip, &QObject::destroyed, this,
                    [this, key = &clip] { hiddenClips_.erase(key); });
        }
        pause->Hold(&clip);
        return;
    }
    if (const auto found = hiddenClips_.find(&clip); found != hiddenClips_.end()) {
        found->second->Release();
        // Shown in a control no one sees: it waits with the rest.
        if (!sight_->Seen()) {
            unseen_.Hold(&clip);
        }
    }
}

void TShockwaveFlash::Deliver(const QString& command, const QString& args) {
    // A copy: the handler may replace OnFSCommand while it runs.
    const auto handler = OnFSCommand;
    if (handler) {
        handler(command.toStdString(), args.toStdString());
    }
}

void TShockwaveFlash::SetMovie(const std::string& path) {
    const std::filesystem::path file = ResolveGamePath(path);
    stage_->UnloadAll();
    stage_->Load(0, file);
    if (!sight_->Seen()) {
        unseen_.Hold(stage_->LevelRoot(0));
    }
}

void TShockwaveFlash::LoadMovie(int layer, const std::string& url) {
    if (layer < 0) {
        throw xuehai::Error("Cannot load the movie '" + url + "' into level " +
                            std::to_string(layer) + ": levels are numbered from 0.");
    }
    if (layer == 0) {
        SetMovie(url);
        return;
    }
    stage_->Load(layer, ResolveGamePath(url));
    if (!sight_->Seen()) {
        unseen_.Hold(stage_->LevelRoot(layer));
    }
}

void TShockwaveFlash::SetVariable(const std::string& name, const std::string& value) {
    if (const std::optional<VariableRef> ref = stage_->Variable(Text(name))) {
        ref->clip->SetVariable(ref->name, Text(value));
    }
}

std::string TShockwaveFlash::GetVariable(const std::string& name) {
    const std::optional<VariableRef> ref = stage_->Variable(Text(name));
    return ref ? ref->clip->Variable(ref->name).toStdString() : std::string();
}

void TShockwaveFlash::TGotoFrame(const std::string& target, int frame) {
    if (Clip* clip = Target(target)) {
        clip->gotoFrame(frame);
    }
}

void TShockwaveFlash::GotoFrame(int frame) {
    TGotoFrame("_level0", frame);
}

void TShockwaveFlash::TPlay(const std::string& target) {
    if (Clip* clip = Target(target)) {
        clip->play();
    }
}

void TShockwaveFlash::Stop() {
    if (Clip* clip = Target("_level0")) {
        clip->stop();
    }
}

void TShockwaveFlash::TSetProperty(const std::string& target, int property,
                                   const std::string& value) {
    bool isNumber = false;
    const double number = Text(value).trimmed().toDouble(&isNumber);
    Clip* clip = Target(target);
    if (property != kVisibilityProperty || !isNumber || clip == nullptr) {
        return;
    }
    clip->setVisible(number != 0);
    HideClip(*clip, number == 0);
}

void TShockwaveFlash::SetScaleMode(ScaleMode mode) {
    stage_->SetScaleMode(mode);
}

StageMapping TShockwaveFlash::Mapping() const {
    return stage_->Mapping();
}

Clip* TShockwaveFlash::Target(const std::string& path) const {
    return stage_->Target(Text(path));
}

void TShockwaveFlash::resizeEvent(QResizeEvent* event) {
    // Qt makes a picture of the new size.
    pictureReleased_ = pictureReleased_ && event->size().isEmpty();
    QQuickWidget::resizeEvent(event);
    stage_->SetViewSize(size());
}

void TShockwaveFlash::showEvent(QShowEvent* event) {
    // Drawn before the window first paints, not a moment after.
    RestorePicture(true);
    QQuickWidget::showEvent(event);
    MovieDrawing::ControlShown();
}

void TShockwaveFlash::paintEvent(QPaintEvent* event) {
    // Uncovered, the window may paint before the control hears it is in sight again.
    if (sight_->Look()) {
        glimpse_.Clear();
        RestorePicture(false);
    }
    if (pictureReleased_ && !glimpse_.Empty()) {
        glimpse_.Paint(*this, *event);
        return;
    }
    if (!CopyPictureInWholePixels(*this, *event)) {
        QQuickWidget::paintEvent(event);
    }
}

bool TShockwaveFlash::event(QEvent* event) {
    const bool handled = QQuickWidget::event(event);
    WidenPictureUpdate(*this, *event);
    return handled;
}

}  // namespace xuehai
