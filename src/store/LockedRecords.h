// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/Errors.h"

namespace xuehai {

// Runs a command's work on the game's files. When another program keeps one of them locked
// past the command's wait, the player reads first what did not happen and what to do, the
// engine's account after it.
template <typename Work>
void ExplainLockedRecords(const std::string& whatToTell, Work&& work) {
    try {
        work();
    } catch (const RecordsLockedError& error) {
        throw RecordsLockedError(whatToTell + "\n\n" + error.what());
    }
}

}  // namespace xuehai
