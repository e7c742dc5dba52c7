// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Instruments.h"
#include "LoopRenderer.h"
#include "Score.h"

namespace xuehai::music {

namespace {

using ::testing::HasSubstr;

const std::filesystem::path kScores = std::filesystem::path(XUEHAI_GAMEDATA_DIR) / "music";

std::string ReadScore(const std::string& name) {
    std::ifstream in(kScores / (name + ".score"));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Errors(const std::string& text) {
    std::string all;
    for (const ScoreError& error : ParseScore(text).errors) {
        all += std::to_string(error.line) + ": " + error.message + "\n";
    }
    return all;
}

double Energy(const std::vector<float>& samples, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        sum += samples[i] * samples[i];
    }
    return sum / static_cast<double>(count);
}

TEST(ScoreTest, ReadsNotesHoldsChordsAndRests) {
    const ParsedScore parsed = ParseScore(
        "# comment\ntempo 120\nmeter 2 2\nvoice a bell 0.5 -0.5\n"
        "a | C4 - F#4+Bb4 . | A0 - - - |\n");
    ASSERT_EQ(Errors("tempo 120\nmeter 2 2\nvoice a bell 0.5\na | C4 - . . |\n"), "");
    const Voice& voice = parsed.score.voices.at(0);
    ASSERT_EQ(voice.notes.size(), 3u);
    EXPECT_EQ(voice.notes[0].length, 2);
    EXPECT_EQ(voice.notes[0].keys, std::vector<int>{60});
    EXPECT_EQ(voice.notes[1].step, 2);
    EXPECT_EQ(voice.notes[1].keys, (std::vector<int>{66, 70}));
    EXPECT_EQ(voice.notes[2].keys, std::vector<int>{21});
    EXPECT_EQ(voice.notes[2].length, 4);
    EXPECT_EQ(parsed.score.steps, 8);
    EXPECT_DOUBLE_EQ(parsed.score.Seconds(), 2.0);
}

TEST(ScoreTest, NamesTheLineOfEachMistake) {
    const std::string head = "tempo 100\nmeter 4 1\nvoice a bell 0.5\nvoice b drums 0.5\n";
    EXPECT_THAT(Errors(head + "a | C4 - - |\nb | k . . . |\n"),
                HasSubstr("5: a bar of a holds 3 steps instead of 4"));
    EXPECT_THAT(Errors(head + "a | H4 - - - |\nb | k . . . |\n"), HasSubstr("5: 'H4' is no note"));
    EXPECT_THAT(Errors(head + "a | C4 - - - |\nb | k x . . |\n"), HasSubstr("6: 'x' is no drum"));
    EXPECT_THAT(Errors(head + "a | . - - - |\nb | k . . . |\n"),
                HasSubstr("5: '-' holds a note, but a plays none here"));
    EXPECT_THAT(Errors(head + "a | C4 - - - | C4 - - - |\nb | k . . . |\n"),
                HasSubstr("the voices differ in length"));
    EXPECT_THAT(Errors("tempo 500\n"), HasSubstr("1: '500' must be a number from 30 to 240"));
    EXPECT_THAT(Errors("voice a harp 0.5\n"), HasSubstr("1: no instrument called 'harp'"));
    EXPECT_THAT(Errors(head + "c | C4 - - - |\n"), HasSubstr("5: 'c' is no setting"));
}

TEST(LoopTest, SoundStillRingingAtTheEndGoesOnOverTheStart) {
    // One bell struck on the last step of a silent bar: its ring belongs to the next round.
    const ParsedScore parsed =
        ParseScore("tempo 120\nmeter 8 1\nvoice a bell 1\na | . . . . . . . C5 |\n");
    ASSERT_TRUE(parsed.errors.empty());
    const StereoSamples loop = RenderLoop(parsed.score);
    ASSERT_EQ(loop.left.size(), static_cast<std::size_t>(kSampleRate * 4));
    const std::size_t tenth = kSampleRate / 10;
    EXPECT_GT(Energy(loop.left, tenth, tenth), 1e-3);            // ringing on after the seam
    EXPECT_LT(Energy(loop.left, 2 * kSampleRate, tenth), 1e-9);  // silence mid-loop
    EXPECT_NEAR(loop.left.front(), 0.0f, 1e-6);
    EXPECT_NEAR(loop.left.back(), 0.0f, 1e-3);
}

// Every score of the game lasts long enough, fits without clipping and closes its loop
// softly on both sides.
TEST(LoopTest, EveryGameScoreMakesAGoodLoop) {
    std::size_t scores = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kScores)) {
        if (entry.path().extension() != ".score") {
            continue;
        }
        ++scores;
        const std::string name = entry.path().stem().string();
        const ParsedScore parsed = ParseScore(ReadScore(name));
        ASSERT_EQ(Errors(ReadScore(name)), "") << name;
        EXPECT_GE(parsed.score.Seconds(), 20.0) << name;
        const StereoSamples loop = RenderLoop(parsed.score);
        for (const auto* channel : {&loop.left, &loop.right}) {
            for (float s : *channel) {
                ASSERT_LE(std::fabs(s), 0.8501f) << name;
            }
            EXPECT_NEAR(channel->front(), 0.0f, 1e-3) << name;
            EXPECT_NEAR(channel->back(), 0.0f, 1e-3) << name;
        }
    }
    EXPECT_GE(scores, 5u);
}

}  // namespace

}  // namespace xuehai::music
