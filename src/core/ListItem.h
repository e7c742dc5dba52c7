// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/Errors.h"

namespace xuehai {

// Item index of a list that a data object answered; a list too short for it (a player with
// no record, say) is an error of the command, not a crash.
inline const std::string& ListItem(const std::vector<std::string>& list, std::size_t index) {
    if (index >= list.size()) {
        throw Error("List index out of bounds (" + std::to_string(index) + ")");
    }
    return list[index];
}

}  // namespace xuehai
