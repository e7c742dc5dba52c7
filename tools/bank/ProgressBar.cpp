// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressBar.h"

#include <unistd.h>

#include <cstdio>

namespace xuehai::bank {

ProgressBar::ProgressBar(std::string label, std::size_t total)
    : label_(std::move(label)),
      total_(total),
      enabled_(total >= kLargeSource && isatty(STDERR_FILENO) == 1) {}

ProgressBar::~ProgressBar() {
    Finish();
}

void ProgressBar::Finish() {
    if (enabled_ && shownPercent_ >= 0) {
        std::fputc('\n', stderr);
    }
    enabled_ = false;
}

void ProgressBar::Show(std::size_t done) {
    if (!enabled_) {
        return;
    }
    const int percent = static_cast<int>(done * 100 / total_);
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r%s [%s%s] %3d%% %zu/%zu", label_.c_str(),
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), ' ').c_str(), percent, done,
                 total_);
    std::fflush(stderr);
}

}  // namespace xuehai::bank
