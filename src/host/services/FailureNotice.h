// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <string>

namespace xuehai {

// What the error box tells the player: in plain words what happened and what to do, and
// behind its details button the failure's own message (file, statement, engine's words).
struct FailureNotice {
    std::string text;
    std::string detail;
};

// The notice for a failure whose message is given; failure, when there is one, is the
// exception being reported, whose kind decides the plain words. A message that starts with
// its own Chinese words for the player, an empty line before the detail, keeps them.
FailureNotice NoticeFor(const std::string& message, std::exception_ptr failure);

}  // namespace xuehai
