// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "classroom/ClassOverview.h"

namespace xuehai {
class ServerLink;
}

namespace xuehai::bank {

// The subjects of the game folder's list files (AliginA.cfg, AliginB.cfg), kept on the
// server for the teachers' tools, which have no game folder there. Replaces those the
// server held, inside the caller's transaction.
void StoreSubjects(ServerLink& link, const std::vector<classroom::Subject>& subjects);

// The subjects the server keeps, in the list files' order. Throws Error, saying what to do,
// when the server holds no game folder.
std::vector<classroom::Subject> ReadServerSubjects(ServerLink& link);

}  // namespace xuehai::bank
