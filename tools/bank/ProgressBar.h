// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace xuehai::bank {

// A one-line bar on the terminal for work on large sources; silent when standard error is
// no terminal (a build log, a pipe) or the work is too small to wait for.
class ProgressBar {
public:
    ProgressBar(std::string label, std::size_t total);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void Show(std::size_t done);
    // Ends the bar's line, so what is printed next starts on a line of its own.
    void Finish();

    static constexpr std::size_t kLargeSource = 2000;

private:
    std::string label_;
    std::size_t total_;
    bool enabled_;
    int shownPercent_ = -1;
};

}  // namespace xuehai::bank
