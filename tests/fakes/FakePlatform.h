// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/Platform.h"

namespace xuehai::fakes {

class FakeMovieControl;
class FakeMusicPlayer;

// A platform that records every call in one ordered log of readable lines, such as
// "MainFlash.SetVariable(_level1.Qstn, 天空为什么是蓝色？)", "music.Open(map.mp3)" or
// "ShowMessage(请输入用户名)", and answers with what the test set up.
class FakePlatform : public Platform {
public:
    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
    ~FakePlatform() override;

    MovieControl* CreateMovieControl(QWidget* parent, const MovieSettings& settings) override;
    MusicPlayer* CreateMusicPlayer(QObject* parent) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    QSize ScreenSize() override;
    bool SetDisplayMode(std::uint16_t width, std::uint16_t height,
                        std::int32_t refreshRate) override;
    std::optional<DisplayMode> CurrentDisplayMode() override;
    void Terminate() override;
    QImage CaptureScreen(const QRect& rect) override;
    void PrintImage(const QImage& image, int sourceDpi) override;
    std::optional<QString> AskSaveFileName(QWidget* parent,
                                           const SaveDialogRequest& request) override;

    // The log, oldest line first.
    const std::vector<std::string>& Log() const { return log_; }
    // The lines that start with prefix, e.g. "MainFlash.SetVariable" or "music.".
    std::vector<std::string> Lines(std::string_view prefix) const;
    void ClearLog() { log_.clear(); }
    void Record(std::string line) { log_.push_back(std::move(line)); }

    // The live control of that name most recently created, or nullptr.
    FakeMovieControl* Movie(std::string_view name) const;
    // Music players are named "music", "music2", "music3", … in the order they were made.
    FakeMusicPlayer* Music(std::string_view name = "music") const;

    void SetScreenSize(QSize size) { screenSize_ = size; }
    void SetDisplayModeResult(bool result) { displayModeResult_ = result; }
    // What CurrentDisplayMode answers; a successful SetDisplayMode changes it.
    void SetCurrentDisplayMode(std::optional<DisplayMode> mode) { currentMode_ = mode; }
    bool Terminated() const { return terminated_; }
    // What CaptureScreen answers; a null image stands for a platform that cannot capture.
    void SetCapturedImage(const QImage& image) { capturedImage_ = image; }
    // Makes PrintImage throw Error with this message; nothing to print normally.
    void FailPrinting(std::string message) { printFailure_ = std::move(message); }
    const std::vector<QImage>& PrintedImages() const { return printedImages_; }
    // The save dialog's answers, one per question; nothing left means the player cancels.
    void AnswerSaveDialog(std::optional<QString> answer) { saveAnswers_.push_back(answer); }
    const std::vector<SaveDialogRequest>& SaveDialogRequests() const { return saveRequests_; }

private:
    std::vector<std::string> log_;
    std::vector<QPointer<FakeMovieControl>> movies_;
    std::vector<QPointer<FakeMusicPlayer>> players_;
    QSize screenSize_{800, 600};
    bool displayModeResult_ = true;
    std::optional<DisplayMode> currentMode_ = DisplayMode{800, 600, 60};
    bool terminated_ = false;
    QImage capturedImage_;
    std::optional<std::string> printFailure_;
    std::vector<QImage> printedImages_;
    std::vector<std::optional<QString>> saveAnswers_;
    std::vector<SaveDialogRequest> saveRequests_;
};

}  // namespace xuehai::fakes
