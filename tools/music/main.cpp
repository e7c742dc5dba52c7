// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "LoopRenderer.h"
#include "Score.h"
#include "WavFile.h"

namespace {

constexpr const char* kUsage = R"(usage: xuehai-music SCORE OUT.wav
Renders a text score (gamedata/music/*.score) to one seamless loop of 16-bit stereo
PCM at 44100 Hz. Exit status: 0 done, 1 the score has problems (each printed with its
line), 2 wrong arguments, 3 a file could not be read or written.
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace xuehai::music;
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << kUsage;
        return 0;
    }
    if (argc != 3) {
        std::cerr << kUsage;
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        std::cerr << "xuehai-music: cannot read '" << argv[1] << "'\n";
        return 3;
    }
    const ParsedScore parsed = ParseScore(text.str());
    for (const ScoreError& error : parsed.errors) {
        std::cerr << argv[1] << ':' << error.line << ": " << error.message << '\n';
    }
    if (!parsed.errors.empty()) {
        return 1;
    }
    if (!WriteWav(argv[2], RenderLoop(parsed.score))) {
        std::cerr << "xuehai-music: cannot write '" << argv[2] << "'\n";
        return 3;
    }
    std::printf("%s: %.1f s\n", argv[2], parsed.score.Seconds());
    return 0;
}
