// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace xuehai::bank {

// Something in a source file that keeps it from becoming a game file, and its line.
struct SourceProblem {
    int line = 0;
    std::string message;
    // The same said to a teacher in Chinese, where the reader words it so (the teacher's
    // desk shows message otherwise).
    std::string wording = {};
};

using SourceProblems = std::vector<SourceProblem>;

}  // namespace xuehai::bank
