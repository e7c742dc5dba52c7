// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/audio/TrackLength.h"

#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

#include <memory>

#include "core/Errors.h"
#include "host/audio/SoundFile.h"

namespace xuehai {

namespace {

// Long enough for a slow disk, short enough that a stuck file does not hang the screen.
constexpr GstClockTime kDiscoveryTimeout = 3 * GST_SECOND;

struct FreeText {
    void operator()(gchar* text) const { g_free(text); }
};
struct FreeError {
    void operator()(GError* error) const { g_error_free(error); }
};
struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using Uri = std::unique_ptr<gchar, FreeText>;
using ErrorText = std::unique_ptr<GError, FreeError>;
template <typename T>
using Object = std::unique_ptr<T, Unref>;

}  // namespace

std::chrono::milliseconds TrackLength(const std::filesystem::path& file) {
    gst_init(nullptr, nullptr);
    const auto failure = [&file](const std::string& why) {
        return MediaError("The music file " + QuotedMusicFile(file) + " cannot be played: " + why);
    };
    GError* rawError = nullptr;
    const Object<GstDiscoverer> discoverer(gst_discoverer_new(kDiscoveryTimeout, &rawError));
    ErrorText error(rawError);
    if (!discoverer) {
        throw failure(error ? error->message : "GStreamer has no discoverer");
    }
    const Uri uri(gst_filename_to_uri(file.c_str(), nullptr));
    const Object<GstDiscovererInfo> info(
        gst_discoverer_discover_uri(discoverer.get(), uri.get(), &rawError));
    error.reset(rawError);
    if (!info || gst_discoverer_info_get_result(info.get()) != GST_DISCOVERER_OK) {
        throw failure(error ? error->message : "Unknown error code");
    }
    GList* streams = gst_discoverer_info_get_audio_streams(info.get());
    const bool sound = streams != nullptr;
    gst_discoverer_stream_info_list_free(streams);
    if (!sound) {
        throw failure("it holds no sound");
    }
    const GstClockTime length = gst_discoverer_info_get_duration(info.get());
    if (!GST_CLOCK_TIME_IS_VALID(length) || length == 0) {
        throw failure("its length cannot be read");
    }
    return std::chrono::milliseconds(GST_TIME_AS_MSECONDS(length));
}

}  // namespace xuehai
