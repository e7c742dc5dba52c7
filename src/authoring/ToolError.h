// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace xuehai::bank {

// Exit statuses that scripts can rely on.
enum ExitStatus : int {
    kExitOk = 0,
    kExitProblems = 1,  // the input has problems: a refused source, a check finding, a bad field
    kExitUsage = 2,     // wrong arguments
    kExitFile = 3,      // a file cannot be read, written or is not what was expected
};

// A failure to report in one line and end with the given status.
class ToolError : public std::runtime_error {
public:
    ToolError(ExitStatus status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    ExitStatus Status() const { return status_; }

private:
    ExitStatus status_;
};

}  // namespace xuehai::bank
