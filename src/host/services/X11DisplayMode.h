// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "host/Platform.h"

namespace xuehai {

// The primary output's mode, read through XRandR on the X server of $DISPLAY; nothing when
// there is no X server, no RandR 1.3 or no active primary output.
std::optional<DisplayMode> ReadX11DisplayMode();

// Switches the primary output's CRTC to a mode of exactly that size whose refresh rate lies
// within 1 Hz of the request, for this session only. False when there is no such mode or
// the server refuses.
bool SetX11DisplayMode(int width, int height, int refreshRate);

}  // namespace xuehai
