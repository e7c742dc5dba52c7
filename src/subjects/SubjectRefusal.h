// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace xuehai::subjects {

// Why a subject cannot be added, in words for the teacher; the game folder is as it was.
class SubjectRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace xuehai::subjects
