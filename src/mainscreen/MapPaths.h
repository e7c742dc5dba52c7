// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace xuehai {

// The files of a subject or a character test, written as the game writes them: the program
// folder, then the code pasted in unchanged. The code comes from a movie, so each builder
// throws PathError when the code would lead out of the game folder, before the path is used.

// "Data\Qut<code>\<code>.dat"
std::string SubjectBankPath(const std::string& code);
// "Data\Qut<code>\<code>.mp3"
std::string SubjectMusicPath(const std::string& code);
// "Data\Qut<code>\Q<code>.mod"
std::string SubjectMoviePath(const std::string& code);
// "data\q\q<code>\q.mod"
std::string TestMoviePath(const std::string& code);
// "data\q\q<code>\q.dat"
std::string TestDataPath(const std::string& code);

}  // namespace xuehai
