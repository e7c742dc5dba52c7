// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/X11DisplayMode.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace xuehai {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ResourcesFreer {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct OutputFreer {
    void operator()(XRROutputInfo* output) const { XRRFreeOutputInfo(output); }
};
struct CrtcFreer {
    void operator()(XRRCrtcInfo* crtc) const { XRRFreeCrtcInfo(crtc); }
};

using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;
using ResourcesPtr = std::unique_ptr<XRRScreenResources, ResourcesFreer>;
using OutputPtr = std::unique_ptr<XRROutputInfo, OutputFreer>;
using CrtcPtr = std::unique_ptr<XRRCrtcInfo, CrtcFreer>;

// X errors are reported to a process-wide handler whose default ends the process; while
// this guard lives they are only counted.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display_(display) {
        errors = 0;
        previous_ = XSetErrorHandler(&Count);
    }
    ~ErrorTrap() { XSetErrorHandler(previous_); }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    bool Failed() const {
        XSync(display_, False);
        return errors > 0;
    }

private:
    static int Count(Display*, XErrorEvent*) {
        ++errors;
        return 0;
    }
    static inline int errors = 0;
    Display* display_;
    XErrorHandler previous_;
};

// The primary output with the CRTC that shows it; the first lit output when none is marked
// primary.
struct PrimaryOutput {
    DisplayPtr display;
    ResourcesPtr resources;
    OutputPtr output;
    CrtcPtr crtc;
    RRCrtc crtcId = None;
};

std::optional<PrimaryOutput> OpenPrimaryOutput() {
    PrimaryOutput primary;
    primary.display.reset(XOpenDisplay(nullptr));
    Display* display = primary.display.get();
    if (!display) {
        return std::nullopt;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) ||
        !XRRQueryVersion(display, &major, &minor) || major < 1 || (major == 1 && minor < 3)) {
        return std::nullopt;
    }
    const Window root = DefaultRootWindow(display);
    primary.resources.reset(XRRGetScreenResourcesCurrent(display, root));
    if (!primary.resources) {
        return std::nullopt;
    }
    XRRScreenResources* resources = primary.resources.get();
    std::vector<RROutput> candidates;
    if (RROutput marked = XRRGetOutputPrimary(display, root); marked != None) {
        candidates.push_back(marked);
    }
    candidates.insert(candidates.end(), resources->outputs,
                      resources->outputs + resources->noutput);
    for (RROutput id : candidates) {
        OutputPtr output(XRRGetOutputInfo(display, resources, id));
        if (output && output->connection == RR_Connected && output->crtc != None) {
            primary.crtc.reset(XRRGetCrtcInfo(display, resources, output->crtc));
            if (primary.crtc && primary.crtc->mode != None) {
                primary.crtcId = output->crtc;
                primary.output = std::move(output);
                return primary;
            }
        }
    }
    return std::nullopt;
}

double RefreshRate(const XRRModeInfo& mode) {
    double lines = mode.vTotal;
    if (mode.modeFlags & RR_DoubleScan) {
        lines *= 2;
    }
    if (mode.modeFlags & RR_Interlace) {
        lines /= 2;
    }
    return mode.hTotal && lines > 0 ? double(mode.dotClock) / (mode.hTotal * lines) : 0;
}

const XRRModeInfo* FindMode(const XRRScreenResources& resources, RRMode id) {
    auto* end = resources.modes + resources.nmode;
    auto* found =
        std::find_if(resources.modes, end, [&](const XRRModeInfo& m) { return m.id == id; });
    return found == end ? nullptr : found;
}

// The output's mode of that size nearest to the refresh rate, if within 1 Hz of it.
const XRRModeInfo* MatchingMode(const PrimaryOutput& primary, int width, int height,
                                int refreshRate) {
    const XRRModeInfo* best = nullptr;
    double bestDistance = 1.0;
    for (int i = 0; i < primary.output->nmode; ++i) {
        const XRRModeInfo* mode = FindMode(*primary.resources, primary.output->modes[i]);
        if (!mode || int(mode->width) != width || int(mode->height) != height) {
            continue;
        }
        const double distance = std::abs(RefreshRate(*mode) - refreshRate);
        if (distance <= bestDistance) {
            best = mode;
            bestDistance = distance;
        }
    }
    return best;
}

bool Rotated(Rotation rotation) {
    return rotation & (RR_Rotate_90 | RR_Rotate_270);
}

// The screen grows before the CRTC is set and shrinks after, so the CRTC always fits.
bool Apply(const PrimaryOutput& primary, const XRRModeInfo& mode) {
    Display* display = primary.display.get();
    const Window root = DefaultRootWindow(display);
    const int screen = DefaultScreen(display);
    const XRRCrtcInfo& crtc = *primary.crtc;
    const int shownWidth = Rotated(crtc.rotation) ? mode.height : mode.width;
    const int shownHeight = Rotated(crtc.rotation) ? mode.width : mode.height;

    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    XRRGetScreenSizeRange(display, root, &minWidth, &minHeight, &maxWidth, &maxHeight);
    const bool alone =
        std::count_if(primary.resources->crtcs, primary.resources->crtcs + primary.resources->ncrtc,
                      [&](RRCrtc id) {
                          CrtcPtr other(XRRGetCrtcInfo(display, primary.resources.get(), id));
                          return other && other->mode != None;
                      }) == 1;
    const int oldWidth = DisplayWidth(display, screen);
    const int oldHeight = DisplayHeight(display, screen);
    const int newWidth = alone ? crtc.x + shownWidth : std::max(oldWidth, crtc.x + shownWidth);
    const int newHeight = alone ? crtc.y + shownHeight : std::max(oldHeight, crtc.y + shownHeight);
    if (newWidth < minWidth || newHeight < minHeight || newWidth > maxWidth ||
        newHeight > maxHeight) {
        return false;
    }
    auto setScreenSize = [&](int w, int h) {
        if (w != DisplayWidth(display, screen) || h != DisplayHeight(display, screen)) {
            const double mmPerPixel = double(DisplayWidthMM(display, screen)) / oldWidth;
            XRRSetScreenSize(display, root, w, h, int(w * mmPerPixel), int(h * mmPerPixel));
        }
    };

    ErrorTrap trap(display);
    XGrabServer(display);
    setScreenSize(std::max(oldWidth, newWidth), std::max(oldHeight, newHeight));
    const Status status =
        XRRSetCrtcConfig(display, primary.resources.get(), primary.crtcId, CurrentTime, crtc.x,
                         crtc.y, mode.id, crtc.rotation, crtc.outputs, crtc.noutput);
    if (status == RRSetConfigSuccess) {
        setScreenSize(newWidth, newHeight);
    } else {
        setScreenSize(oldWidth, oldHeight);
    }
    XUngrabServer(display);
    return !trap.Failed() && status == RRSetConfigSuccess;
}

}  // namespace

std::optional<DisplayMode> ReadX11DisplayMode() {
    std::optional<PrimaryOutput> primary = OpenPrimaryOutput();
    if (!primary) {
        return std::nullopt;
    }
    const XRRModeInfo* mode = FindMode(*primary->resources, primary->crtc->mode);
    if (!mode) {
        return std::nullopt;
    }
    return DisplayMode{int(mode->width), int(mode->height), int(std::lround(RefreshRate(*mode)))};
}

bool SetX11DisplayMode(int width, int height, int refreshRate) {
    std::optional<PrimaryOutput> primary = OpenPrimaryOutput();
    if (!primary) {
        return false;
    }
    const XRRModeInfo* mode = MatchingMode(*primary, width, height, refreshRate);
    return mode && Apply(*primary, *mode);
}

}  // namespace xuehai
