// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace xuehai {

// The lines of one of the battle screen's list files ("AliginA.cfg", "AliginB.cfg"): a code
// page 936 text file of the game folder, read afresh at each call and never written. Lines end
// in CRLF or LF; a final line end adds no empty line. Throws Error naming the file when it
// cannot be read.
std::vector<std::string> ReadListFile(const std::string& gamePath);

}  // namespace xuehai
