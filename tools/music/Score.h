// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xuehai::music {

// A short looping piece written as text: a tempo, a metre and voices whose parts are rows
// of steps, one token per step (see the format in gamedata/music/README.md).
struct Note {
    int step = 0;           // where it starts, counting from 0
    int length = 1;         // in steps, holds included
    std::vector<int> keys;  // MIDI key numbers, or drum sounds for a drum voice
};

struct Voice {
    std::string name;
    std::string instrument;
    double volume = 0.5;
    double pan = 0.0;  // -1 left to 1 right
    std::vector<Note> notes;
    int steps = 0;  // length of the part
};

struct Score {
    double tempo = 100.0;  // beats a minute
    int beatsPerBar = 4;
    int stepsPerBeat = 2;
    int echoSteps = 0;  // 0: no echo
    double echoFeedback = 0.0;
    std::vector<Voice> voices;
    int steps = 0;  // length of the loop

    double StepSeconds() const { return 60.0 / tempo / stepsPerBeat; }
    double Seconds() const { return steps * StepSeconds(); }
};

// Drum sounds a drum voice can play, by their letters.
enum DrumSound { kKick = 1, kSnare, kHat, kOpenHat, kCrash };

struct ScoreError {
    int line = 0;
    std::string message;
};

struct ParsedScore {
    Score score;
    std::vector<ScoreError> errors;
};

// Reads a score; each problem comes with its line. Every voice must fill the same number
// of whole bars, so the loop closes on a bar line.
ParsedScore ParseScore(std::string_view text);

}  // namespace xuehai::music
