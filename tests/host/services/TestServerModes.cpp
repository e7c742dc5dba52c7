// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestServerModes.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <string>

namespace xuehai {

bool AddTestServerMode(unsigned width, unsigned height, double refreshRate) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    std::string name = std::to_string(width) + "x" + std::to_string(height) + "_test";
    XRRModeInfo mode{};
    mode.width = width;
    mode.height = height;
    mode.hTotal = width + 200;
    mode.vTotal = height + 25;
    mode.dotClock = static_cast<unsigned long>(refreshRate * mode.hTotal * mode.vTotal);
    mode.name = name.data();
    mode.nameLength = name.size();
    XRRAddOutputMode(display, resources->outputs[0], XRRCreateMode(display, root, &mode));
    XSync(display, False);
    XRRFreeScreenResources(resources);
    XCloseDisplay(display);
    return true;
}

}  // namespace xuehai
