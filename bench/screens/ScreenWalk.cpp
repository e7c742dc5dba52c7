// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenWalk.h"

#include <QApplication>
#include <QLineEdit>
#include <stdexcept>

#include "host/movie/TShockwaveFlash.h"
#include "mainscreen/TForm1.h"
#include "screens/TFrmFight.h"
#include "screens/TFrmPrint.h"
#include "shell/TForm3.h"
#include "shell/TFormtitle.h"

namespace xuehai::bench {

namespace {

constexpr const char* kPlayer = "基准小华";
constexpr const char* kSubject = "001";
constexpr const char* kTest = "001";

template <typename Screen>
Screen* OnTop() {
    auto* screen = qobject_cast<Screen*>(QApplication::activeModalWidget());
    return screen != nullptr && screen->isVisible() ? screen : nullptr;
}

TShockwaveFlash* Movie(QWidget* screen, const char* name) {
    return screen == nullptr ? nullptr
                             : screen->findChild<TShockwaveFlash*>(QString::fromLatin1(name));
}

bool Playing(TShockwaveFlash* movie, const char* level) {
    return movie != nullptr && movie->Target(level) != nullptr;
}

// A command as the movie raises it.
void Raise(TShockwaveFlash* movie, const std::string& command, const std::string& args = {}) {
    if (movie != nullptr && movie->OnFSCommand) {
        movie->OnFSCommand(command, args);
    }
}

TShockwaveFlash* Map() {
    return Movie(OnTop<TForm1>(), "MainFlash");
}

}  // namespace

QStringList ScreenWalk::Screens() {
    return {QStringLiteral("title"),  QStringLiteral("login"),  QStringLiteral("map"),
            QStringLiteral("quiz"),   QStringLiteral("test"),   QStringLiteral("minigame"),
            QStringLiteral("report"), QStringLiteral("battle"), QStringLiteral("arena")};
}

ScreenWalk::ScreenWalk(TFormtitle& title, const QString& screen, std::function<void()> arrived)
    : arrived_(std::move(arrived)) {
    if (!Screens().contains(screen)) {
        throw std::invalid_argument("unknown screen " + screen.toStdString());
    }
    QWidget* titleWindow = &title;
    const auto titleShows = [titleWindow] {
        auto* movie = qobject_cast<TShockwaveFlash*>(titleWindow->findChild<TShockwaveFlash*>());
        return titleWindow->isVisible() && Playing(movie, "_level0");
    };
    if (screen == QLatin1String("title")) {
        // The title stays on: its closing "end" would open the login screen.
        title.title().OnFSCommand = nullptr;
        steps_.push_back({titleShows, [this, titleWindow] { shown_ = {titleWindow}; }});
    } else {
        steps_.push_back({titleShows, [&title] { title.titleFSCommand("end", ""); }});
        steps_.push_back({[] { return Playing(Movie(OnTop<TForm3>(), "flashlogin"), "_level0"); },
                          [this] { shown_ = {OnTop<TForm3>()}; }});
    }
    const bool viaMap = screen == QLatin1String("map") || screen == QLatin1String("quiz") ||
                        screen == QLatin1String("test") || screen == QLatin1String("minigame") ||
                        screen == QLatin1String("report");
    const bool viaBattle = screen == QLatin1String("battle") || screen == QLatin1String("arena");
    if (viaMap) {
        steps_.push_back({[] { return true; },
                          [] {
                              TForm3* login = OnTop<TForm3>();
                              login->findChild<QLineEdit*>(QStringLiteral("EditName"))
                                  ->setText(QString::fromUtf8(kPlayer));
                              Raise(Movie(login, "flashlogin"), "entermap");
                          }});
        steps_.push_back(
            {[] { return Playing(Map(), "_level0"); }, [this] { shown_ = {OnTop<TForm1>()}; }});
    }
    const auto onLevel1 = [this] {
        steps_.push_back(
            {[] { return Playing(Map(), "_level1"); }, [this] { shown_ = {OnTop<TForm1>()}; }});
    };
    if (screen == QLatin1String("quiz")) {
        steps_.push_back({[] { return true; },
                          [] {
                              Map()->SetVariable("_level0.mod", kSubject);
                              Raise(Map(), "map", kSubject);
                          }});
        onLevel1();
    } else if (screen == QLatin1String("test")) {
        steps_.push_back({[] { return true; },
                          [] {
                              Map()->SetVariable("_level0.mod", kTest);
                              Raise(Map(), "Qmap");
                          }});
        onLevel1();
    } else if (screen == QLatin1String("minigame")) {
        steps_.push_back({[] { return true; }, [] { Raise(Map(), "runpig"); }});
        onLevel1();
    } else if (screen == QLatin1String("report")) {
        steps_.push_back({[] { return true; },
                          [] { Raise(Movie(OnTop<TForm1>(), "FlashBack"), "PrintStatus"); }});
        steps_.push_back({[] { return OnTop<TFrmPrint>() != nullptr; },
                          [this] {
                              TFrmPrint* report = OnTop<TFrmPrint>();
                              shown_ = {report, report->parentWidget()};
                          }});
    }
    if (viaBattle) {
        steps_.push_back(
            {[] { return true; }, [] { Raise(Movie(OnTop<TForm3>(), "flashlogin"), "twop"); }});
        steps_.push_back(
            {[] { return Playing(Movie(OnTop<TFrmFight>(), "FlashFight"), "_level0"); },
             [this] { shown_ = {OnTop<TFrmFight>()}; }});
    }
    if (screen == QLatin1String("arena")) {
        steps_.push_back({[] { return true; },
                          [] {
                              TFrmFight* battle = OnTop<TFrmFight>();
                              battle->findChild<QLineEdit*>(QStringLiteral("EditName1"))
                                  ->setText(QStringLiteral("小明"));
                              battle->findChild<QLineEdit*>(QStringLiteral("EditName2"))
                                  ->setText(QStringLiteral("小红"));
                              Raise(Movie(battle, "FlashFight"), "fight");
                          }});
        steps_.push_back({[] {
                              auto* arena = Movie(OnTop<TFrmFight>(), "FlashFight");
                              return Playing(arena, "_level0") &&
                                     !arena->GetVariable("_root.limit").empty();
                          },
                          [this] { shown_ = {OnTop<TFrmFight>()}; }});
    }
    connect(&poll_, &QTimer::timeout, this, &ScreenWalk::Advance);
    poll_.start(50);
}

void ScreenWalk::Advance() {
    if (next_ >= steps_.size() || !steps_[next_].ready()) {
        return;
    }
    // A step may open a modal screen, whose loop runs inside it; the poll goes on from there.
    const std::function<void()> act = steps_[next_].act;
    ++next_;
    const bool last = next_ == steps_.size();
    QTimer::singleShot(0, this, [this, act, last] {
        if (last) {
            poll_.stop();
            act();
            arrived_();
            return;
        }
        act();
    });
}

}  // namespace xuehai::bench
