// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/FakePlatform.h"

#include <algorithm>

#include "core/Errors.h"
#include "fakes/FakeMovieControl.h"
#include "fakes/FakeMusicPlayer.h"

namespace xuehai::fakes {

namespace {

template <typename Fake>
Fake* LatestLive(const std::vector<QPointer<Fake>>& fakes, std::string_view name) {
    auto found = std::find_if(fakes.rbegin(), fakes.rend(), [&](const QPointer<Fake>& fake) {
        return fake && fake->Name() == name;
    });
    return found == fakes.rend() ? nullptr : found->data();
}

// The fakes that have no parent would outlive the test otherwise.
template <typename Fake>
void DeleteOrphans(const std::vector<QPointer<Fake>>& fakes) {
    for (const QPointer<Fake>& fake : fakes) {
        if (fake && !fake->parent()) {
            delete fake.data();
        }
    }
}

}  // namespace

FakePlatform::~FakePlatform() {
    DeleteOrphans(movies_);
    DeleteOrphans(players_);
}

MovieControl* FakePlatform::CreateMovieControl(QWidget* parent, const MovieSettings& settings) {
    Record("CreateMovieControl(" + settings.name + ")");
    auto* movie = new FakeMovieControl(*this, parent, settings);
    movies_.emplace_back(movie);
    return movie;
}

MusicPlayer* FakePlatform::CreateMusicPlayer(QObject* parent) {
    std::string name = "music";
    if (!players_.empty()) {
        name += std::to_string(players_.size() + 1);
    }
    Record("CreateMusicPlayer(" + name + ")");
    auto* player = new FakeMusicPlayer(*this, parent, name);
    players_.emplace_back(player);
    return player;
}

void FakePlatform::ShowMessage(const std::string& text) {
    Record("ShowMessage(" + text + ")");
}

void FakePlatform::ShowError(const std::string& text) {
    Record("ShowError(" + text + ")");
}

QSize FakePlatform::ScreenSize() {
    Record("ScreenSize()");
    return screenSize_;
}

bool FakePlatform::SetDisplayMode(std::uint16_t width, std::uint16_t height,
                                  std::int32_t refreshRate) {
    Record("SetDisplayMode(" + std::to_string(width) + ", " + std::to_string(height) + ", " +
           std::to_string(refreshRate) + ")");
    if (displayModeResult_) {
        currentMode_ = DisplayMode{width, height, refreshRate};
    }
    return displayModeResult_;
}

std::optional<DisplayMode> FakePlatform::CurrentDisplayMode() {
    Record("CurrentDisplayMode()");
    return currentMode_;
}

void FakePlatform::Terminate() {
    Record("Terminate()");
    terminated_ = true;
}

QImage FakePlatform::CaptureScreen(const QRect& rect) {
    Record("CaptureScreen(" + std::to_string(rect.left()) + ", " + std::to_string(rect.top()) +
           ", " + std::to_string(rect.width()) + ", " + std::to_string(rect.height()) + ")");
    return capturedImage_;
}

void FakePlatform::PrintImage(const QImage& image, int sourceDpi) {
    Record("PrintImage(" + std::to_string(image.width()) + "x" + std::to_string(image.height()) +
           ", " + std::to_string(sourceDpi) + ")");
    if (printFailure_) {
        throw Error(*printFailure_);
    }
    printedImages_.push_back(image);
}

std::optional<QString> FakePlatform::AskSaveFileName(QWidget* /*parent*/,
                                                     const SaveDialogRequest& request) {
    Record("AskSaveFileName(" + request.title.toStdString() + ")");
    saveRequests_.push_back(request);
    if (saveAnswers_.empty()) {
        return std::nullopt;
    }
    std::optional<QString> answer = saveAnswers_.front();
    saveAnswers_.erase(saveAnswers_.begin());
    return answer;
}

std::vector<std::string> FakePlatform::Lines(std::string_view prefix) const {
    std::vector<std::string> lines;
    std::copy_if(log_.begin(), log_.end(), std::back_inserter(lines),
                 [&](const std::string& line) { return line.starts_with(prefix); });
    return lines;
}

FakeMovieControl* FakePlatform::Movie(std::string_view name) const {
    return LatestLive(movies_, name);
}

FakeMusicPlayer* FakePlatform::Music(std::string_view name) const {
    return LatestLive(players_, name);
}

}  // namespace xuehai::fakes
