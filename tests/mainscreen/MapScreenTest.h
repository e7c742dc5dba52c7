// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeMovieControl.h"
#include "fakes/FakeMusicPlayer.h"
#include "fakes/FakePlatform.h"
#include "mainscreen/TForm1.h"

namespace xuehai::test {

// One evaluation range of a questionnaire type.
struct Evaluation {
    int low;
    int high;
    std::string text;
};

// The recording platform; music files named in failingMusic cannot be opened by any player
// it makes, from the player's first Open on.
class MapTestPlatform : public fakes::FakePlatform {
public:
    MusicPlayer* CreateMusicPlayer(QObject* parent) override;
    std::vector<std::string> failingMusic;
};

// A map screen on the recording fakes over a game folder of its own: a registered player
// (the current player), and question banks and character tests as each test lays them out.
class MapScreenTest : public ::testing::Test {
protected:
    static constexpr const char* kPlayer = "小明";

    void SetUp() override;
    void TearDown() override;

    // The folder with its trailing '/', as the screen prefixes its paths.
    std::string Folder() const { return folder_.string() + "/"; }

    // Bank Data/Qut<code>/<code>.dat with questions 0 to count - 1, the first `answered` of
    // them answered right once by the player, so its completion is answered / count.
    std::string MakeBank(const std::string& code, int count, int answered = 0);
    // Adds a question whose texts are stored scrambled, as the banks keep them.
    void AddQuestion(const std::string& code, int id, const std::vector<std::string>& texts,
                     const std::string& right, const std::string& flag);
    // Test data/q/q<code>/q.dat with `types` types; the items of type 1 and its evaluations.
    void MakeTest(const std::string& code, int types,
                  const std::vector<std::vector<std::string>>& items,
                  const std::vector<Evaluation>& evaluations);
    // Creates the file as an empty placeholder (music, movies).
    void Touch(const std::string& relative);

    // "SELECT column FROM rest" on a database of the folder: the first row's value as text,
    // "none" when there is no row.
    std::string Value(const std::string& relative, const std::string& column,
                      const std::string& rest);
    void Run(const std::string& relative, const std::string& sql);
    // The player's score, class, overall right and wrong counts.
    std::string Player(const std::string& column);

    // The screen, created now on the fakes; its set-up lines stay in the log.
    TForm1& Screen();
    fakes::FakeMovieControl& MainFlash() { return *platform_.Movie("MainFlash"); }
    fakes::FakeMovieControl& FlashBack() { return *platform_.Movie("FlashBack"); }
    fakes::FakeMusicPlayer& Music() { return *platform_.Music(); }

    // The map movie raises a command with the subject (or test) it holds; the log starts
    // afresh, so the lines it leaves are the command's own.
    void Raise(const std::string& command, const std::string& args = {},
               const std::string& mod = "001");
    // The log lines that start with one of the prefixes, in order.
    std::vector<std::string> Lines(std::initializer_list<std::string> prefixes) const;
    std::vector<std::string> Errors() const { return platform_.Lines("ShowError"); }

    MapTestPlatform platform_;
    std::unique_ptr<TForm1> screen_;
    // Owners handed to the screen factories, in order; the factories' screens go with them.
    std::vector<QWidget*> loginOwners_;
    std::vector<QWidget*> reportOwners_;
    std::vector<QPointer<QDialog>> reports_;

private:
    std::filesystem::path folder_;
};

}  // namespace xuehai::test
