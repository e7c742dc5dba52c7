// SPDX-License-Identifier: GPL-3.0-or-later
#include "Score.h"

#include <cmath>
#include <map>
#include <sstream>

#include "Instruments.h"

namespace xuehai::music {

namespace {

std::vector<std::string> Words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool ToNumber(const std::string& text, double& value) {
    std::istringstream in(text);
    in >> value;
    return !in.fail() && in.eof() && std::isfinite(value);
}

// "C4", "F#3", "Bb5" to a MIDI key number (C4 is 60); -1 when it is none.
int KeyNumber(const std::string& name) {
    static const std::map<char, int> kSteps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                               {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.size() < 2 || !kSteps.contains(name[0])) {
        return -1;
    }
    int key = kSteps.at(name[0]);
    std::size_t pos = 1;
    if (name[pos] == '#' || name[pos] == 'b') {
        key += name[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos + 1 != name.size() || name[pos] < '0' || name[pos] > '8') {
        return -1;
    }
    return key + 12 * (name[pos] - '0' + 1);
}

int DrumNumber(const std::string& name) {
    static const std::map<std::string, int> kDrums = {
        {"k", kKick}, {"s", kSnare}, {"h", kHat}, {"o", kOpenHat}, {"c", kCrash}};
    auto found = kDrums.find(name);
    return found == kDrums.end() ? -1 : found->second;
}

class ScoreReader {
public:
    ParsedScore Read(std::string_view text) {
        std::istringstream in{std::string(text)};
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            line_ = number;
            // Only whole lines are comments: '#' also raises a note (F#4).
            std::vector<std::string> words = Words(line);
            if (!words.empty() && words[0][0] != '#') {
                ReadLine(words);
            }
        }
        Finish();
        return std::move(parsed_);
    }

private:
    void ReadLine(const std::vector<std::string>& words) {
        const std::string& head = words[0];
        if (head == "tempo" && words.size() == 2) {
            Number(words[1], 30, 240, score().tempo);
        } else if (head == "meter" && words.size() == 3) {
            double beats = 0;
            double steps = 0;
            if (Number(words[1], 1, 12, beats) && Number(words[2], 1, 8, steps)) {
                score().beatsPerBar = static_cast<int>(beats);
                score().stepsPerBeat = static_cast<int>(steps);
            }
        } else if (head == "echo" && words.size() == 3) {
            double steps = 0;
            if (Number(words[1], 1, 64, steps) && Number(words[2], 0, 0.7, score().echoFeedback)) {
                score().echoSteps = static_cast<int>(steps);
            }
        } else if (head == "voice" && (words.size() == 4 || words.size() == 5)) {
            AddVoice(words);
        } else if (voiceIndex_.contains(head)) {
            ReadPart(score().voices[voiceIndex_[head]], words);
        } else {
            Fail("'" + head + "' is no setting and no voice declared above");
        }
    }

    void AddVoice(const std::vector<std::string>& words) {
        Voice voice;
        voice.name = words[1];
        voice.instrument = words[2];
        if (!IsInstrument(voice.instrument)) {
            Fail("no instrument called '" + voice.instrument + "'");
            return;
        }
        if (voiceIndex_.contains(voice.name)) {
            Fail("the voice '" + voice.name + "' is declared twice");
            return;
        }
        bool ok = Number(words[3], 0, 1, voice.volume);
        if (words.size() == 5) {
            ok = Number(words[4], -1, 1, voice.pan) && ok;
        }
        if (ok) {
            voiceIndex_[voice.name] = score().voices.size();
            score().voices.push_back(std::move(voice));
        }
    }

    // A part line: "name | tokens of bar | tokens of bar |".
    void ReadPart(Voice& voice, const std::vector<std::string>& words) {
        const int barSteps = score().beatsPerBar * score().stepsPerBeat;
        int inBar = -1;
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& token = words[i];
            if (token == "|") {
                if (inBar > 0 && inBar != barSteps) {
                    Fail("a bar of " + voice.name + " holds " + std::to_string(inBar) +
                         " steps instead of " + std::to_string(barSteps));
                }
                inBar = 0;
                continue;
            }
            if (inBar < 0) {
                Fail("a part line must start with a bar line '|' after the voice name");
                return;
            }
            if (!ReadToken(voice, token)) {
                return;
            }
            ++inBar;
        }
        if (inBar != 0) {
            Fail("a part line must end with a bar line '|'");
        }
    }

    // False when the token is no step; the rest of its line is then not read.
    bool ReadToken(Voice& voice, const std::string& token) {
        const int step = voice.steps++;
        if (token == ".") {
            holding_[voice.name] = false;
            return true;
        }
        if (token == "-") {
            if (!holding_[voice.name]) {
                Fail("'-' holds a note, but " + voice.name + " plays none here");
                return false;
            }
            ++voice.notes.back().length;
            return true;
        }
        Note note{step, 1, {}};
        const bool drums = voice.instrument == "drums";
        std::istringstream parts(token);
        for (std::string part; std::getline(parts, part, '+');) {
            const int key = drums ? DrumNumber(part) : KeyNumber(part);
            if (key < 0) {
                Fail("'" + part + "' is no " +
                     (drums ? "drum (k s h o c)" : "note such as C4 or F#3"));
                holding_[voice.name] = false;
                return false;
            }
            note.keys.push_back(key);
        }
        voice.notes.push_back(std::move(note));
        holding_[voice.name] = true;
        return true;
    }

    void Finish() {
        if (score().voices.empty()) {
            Fail("the score has no voice");
            return;
        }
        const int barSteps = score().beatsPerBar * score().stepsPerBeat;
        score().steps = score().voices.front().steps;
        for (const Voice& voice : score().voices) {
            if (voice.steps != score().steps) {
                Fail("the voices differ in length (" + score().voices.front().name + " " +
                     std::to_string(score().steps) + " steps, " + voice.name + " " +
                     std::to_string(voice.steps) + ")");
            }
        }
        if (score().steps == 0 || score().steps % barSteps != 0) {
            Fail("the loop must be a whole number of bars");
        }
    }

    bool Number(const std::string& text, double low, double high, double& value) {
        double read = 0;
        if (!ToNumber(text, read) || read < low || read > high) {
            Fail("'" + text + "' must be a number from " + Format(low) + " to " + Format(high));
            return false;
        }
        value = read;
        return true;
    }

    static std::string Format(double value) {
        std::ostringstream out;
        out << value;
        return out.str();
    }

    void Fail(std::string message) { parsed_.errors.push_back({line_, std::move(message)}); }

    Score& score() { return parsed_.score; }

    ParsedScore parsed_;
    int line_ = 0;
    std::map<std::string, std::size_t> voiceIndex_;
    std::map<std::string, bool> holding_;
};

}  // namespace

ParsedScore ParseScore(std::string_view text) {
    return ScoreReader().Read(text);
}

}  // namespace xuehai::music
