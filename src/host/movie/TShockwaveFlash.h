// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQuickWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "host/MovieControl.h"
#include "host/movie/AnimationPause.h"
#include "host/movie/PictureGlimpse.h"
#include "host/movie/StageMapping.h"

class QQmlEngine;

namespace xuehai {

class Clip;
class CommandQueue;
class MovieSight;
class MovieStage;

// The movie control the screens place on their forms: plays QML movies in levels over one
// stage and hands their commands to OnFSCommand.
class TShockwaveFlash : public QQuickWidget, public MovieControl {
    Q_OBJECT
public:
    // Shows what a command handler threw; the game passes its standard error box.
    using ErrorShower = std::function<void(const std::string& message)>;

    TShockwaveFlash(const MovieSettings& settings, QWidget* parent, ErrorShower showError);
    ~TShockwaveFlash() override;

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

    void SetScaleMode(ScaleMode mode);
    // Where the stage is shown in the control now.
    StageMapping Mapping() const;
    // The clip a target path names, or nullptr; for tools and tests that look inside.
    Clip* Target(const std::string& path) const;

    // Whether the control keeps its picture of the movie: not while no one can see it.
    bool HoldsPicture() const { return !pictureReleased_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    TShockwaveFlash(std::shared_ptr<QQmlEngine> engine, const MovieSettings& settings,
                    QWidget* parent, ErrorShower showError);
    void Deliver(const QString& command, const QString& args);
    // The movies hold still while no one can see them, and hidden clips while hidden.
    void SightChanged(bool seen);
    void HideClip(Clip& clip, bool hidden);
    // Where the processor draws, the control's own picture of the movie (the size of the
    // control in screen pixels: some 6 MB for a whole screen at 1920 x 1080) is let go while
    // no one sees it, and so is its window's picture of itself while no one sees the window;
    // both are drawn anew, whole, before they are seen again.
    void ReleasePicture();
    // Under a modal screen that leaves only a glimpse of it in sight, that glimpse is kept as
    // a still picture and painted in place of the movie, which holds still meanwhile.
    void KeepGlimpse();
    // `repaint`: the control is then painted afresh; not from inside its own painting.
    void RestorePicture(bool repaint);

    std::shared_ptr<QQmlEngine> engine_;
    CommandQueue* commands_;
    MovieStage* stage_;
    MovieSight* sight_;
    AnimationPause unseen_;
    bool pictureReleased_ = false;
    PictureGlimpse glimpse_;
    std::map<Clip*, std::unique_ptr<AnimationPause>> hiddenClips_;
};

}  // namespace xuehai
