// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace xuehai {

// "'<file>'", as the music's messages name a file.
std::string QuotedMusicFile(const std::filesystem::path& file);

// Throws MediaError naming the file unless its first bytes are those of a sound format; the
// content decides, not the name, so a text file called "map.mp3" is refused without asking
// the audio engine.
void RequireSoundContent(const std::filesystem::path& file);

}  // namespace xuehai
