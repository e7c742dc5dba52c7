// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DesktopMode.h"

#include <optional>

namespace xuehai::DesktopMode {

namespace {
std::optional<DisplayMode> savedMode;
bool switched = false;
}  // namespace

void Remember(Platform& platform) {
    savedMode = platform.CurrentDisplayMode();
    switched = false;
}

void SetSwitched(bool value) {
    switched = value;
}

bool Switched() {
    return switched;
}

void RestoreIfStillSwitched(Platform& platform, bool restored) {
    if (!restored) {
        RestoreIfSwitched(platform);
    }
}

void RestoreIfSwitched(Platform& platform) {
    if (!switched || !savedMode) {
        return;
    }
    switched = false;
    platform.SetDisplayMode(static_cast<std::uint16_t>(savedMode->width),
                            static_cast<std::uint16_t>(savedMode->height), savedMode->refreshRate);
}

}  // namespace xuehai::DesktopMode
