#include "qt/randr_display_modes.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace dravonelle {
namespace {

// An xcb reply or error: the caller frees it.
struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// A mode as the screen shows it: WIDTH × HEIGHT already turned with the
// CRTC's rotation.
struct ModeShown {
    xcb_randr_mode_t id = 0;
    int width = 0, height = 0;
    int rate = 0;  // whole hertz
};

// A mode without timings (Xvfb's, some virtual screens') gives no rate: it
// counts as 60 Hz, the rate every screen offers, so that a request for a
// mode always carries one.
constexpr int kRateWithoutTimings = 60;

int rateOf(const xcb_randr_mode_info_t& m) {
    double lines = m.vtotal;
    if (m.mode_flags & XCB_RANDR_MODE_FLAG_DOUBLE_SCAN) lines *= 2;
    if (m.mode_flags & XCB_RANDR_MODE_FLAG_INTERLACE) lines /= 2;
    if (m.dot_clock == 0 || m.htotal == 0 || lines == 0) return kRateWithoutTimings;
    return static_cast<int>(std::lround(m.dot_clock / (m.htotal * lines)));
}

bool sideways(std::uint16_t rotation) {
    return (rotation & (XCB_RANDR_ROTATION_ROTATE_90 | XCB_RANDR_ROTATION_ROTATE_270)) != 0;
}

ModeShown shown(const xcb_randr_mode_info_t& m, std::uint16_t rotation) {
    const bool turned = sideways(rotation);
    return {m.id, turned ? m.height : m.width, turned ? m.width : m.height, rateOf(m)};
}

// The screen's resources, from either form of the request.
struct Resources {
    xcb_timestamp_t configTimestamp = 0;
    std::vector<xcb_randr_output_t> outputs;
    std::vector<xcb_randr_mode_info_t> modes;
};

template <class R, class Outputs, class Modes>
Resources resourcesOf(const R& reply, Outputs outputs, Modes modes, int outputCount, int modeCount) {
    Resources r;
    r.configTimestamp = reply.config_timestamp;
    r.outputs.assign(outputs, outputs + outputCount);
    r.modes.assign(modes, modes + modeCount);
    return r;
}

}  // namespace

struct RandrDisplayModes::Server {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    int depth = 0;
    // RandR 1.3 reads the resources without probing the monitors (which
    // can take a noticeable time) and names a primary output.
    bool readsWithoutProbing = false;
    // The screen when the connection was made: its pixels per millimetre
    // are kept when the screen grows.
    int pixelWidth = 0, pixelHeight = 0, mmWidth = 0, mmHeight = 0;

    int mmForWidth(int px) const {
        return pixelWidth > 0 ? static_cast<int>(std::lround(double(px) * mmWidth / pixelWidth)) : 0;
    }
    int mmForHeight(int px) const {
        return pixelHeight > 0 ? static_cast<int>(std::lround(double(px) * mmHeight / pixelHeight)) : 0;
    }
};

struct RandrDisplayModes::State {
    xcb_randr_crtc_t crtc = 0;
    xcb_timestamp_t configTimestamp = 0;
    int x = 0, y = 0;
    std::uint16_t rotation = XCB_RANDR_ROTATION_ROTATE_0;
    std::vector<xcb_randr_output_t> outputs;  // those the CRTC shows, kept as they are
    ModeShown mode;                           // the mode in force
    std::vector<ModeShown> modes;             // every mode the output lists
    int screenWidth = 0, screenHeight = 0;
    int maxWidth = 0, maxHeight = 0;
};

struct RandrDisplayModes::Original {
    ModeShown mode;
    int screenWidth = 0, screenHeight = 0;
};

RandrDisplayModes::RandrDisplayModes() = default;
RandrDisplayModes::~RandrDisplayModes() = default;

RandrDisplayModes::Server* RandrDisplayModes::server() {
    if (looked_) return server_.get();
    looked_ = true;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return nullptr;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_randr_id);
    if (!extension || !extension->present) return nullptr;
    const Reply<xcb_randr_query_version_reply_t> version(
        xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 3), nullptr));
    if (!version || (version->major_version == 1 && version->minor_version < 2)) return nullptr;

    // The screen Qt took from $DISPLAY.
    int number = 0;
    char* host = nullptr;
    int display = 0;
    if (!xcb_parse_display(nullptr, &host, &display, &number)) number = 0;
    std::free(host);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < number && it.rem > 1; ++i) xcb_screen_next(&it);
    if (!it.data) return nullptr;

    auto s = std::make_unique<Server>();
    s->connection = c;
    s->root = it.data->root;
    s->depth = it.data->root_depth;
    s->readsWithoutProbing = version->major_version > 1 || version->minor_version >= 3;
    s->pixelWidth = it.data->width_in_pixels;
    s->pixelHeight = it.data->height_in_pixels;
    s->mmWidth = it.data->width_in_millimeters;
    s->mmHeight = it.data->height_in_millimeters;
    server_ = std::move(s);
    return server_.get();
}

std::optional<RandrDisplayModes::State> RandrDisplayModes::read() {
    Server* s = server();
    if (!s) return std::nullopt;
    xcb_connection_t* c = s->connection;

    // Everything that does not depend on another answer is asked at once.
    const auto geometryCookie = xcb_get_geometry(c, s->root);
    const auto rangeCookie = xcb_randr_get_screen_size_range(c, s->root);
    xcb_randr_get_output_primary_cookie_t primaryCookie{};
    if (s->readsWithoutProbing) primaryCookie = xcb_randr_get_output_primary(c, s->root);

    Resources resources;
    if (s->readsWithoutProbing) {
        const Reply<xcb_randr_get_screen_resources_current_reply_t> r(xcb_randr_get_screen_resources_current_reply(
            c, xcb_randr_get_screen_resources_current(c, s->root), nullptr));
        if (r) {
            resources = resourcesOf(*r, xcb_randr_get_screen_resources_current_outputs(r.get()),
                                    xcb_randr_get_screen_resources_current_modes(r.get()),
                                    xcb_randr_get_screen_resources_current_outputs_length(r.get()),
                                    xcb_randr_get_screen_resources_current_modes_length(r.get()));
        }
    } else {
        const Reply<xcb_randr_get_screen_resources_reply_t> r(
            xcb_randr_get_screen_resources_reply(c, xcb_randr_get_screen_resources(c, s->root), nullptr));
        if (r) {
            resources = resourcesOf(*r, xcb_randr_get_screen_resources_outputs(r.get()),
                                    xcb_randr_get_screen_resources_modes(r.get()),
                                    xcb_randr_get_screen_resources_outputs_length(r.get()),
                                    xcb_randr_get_screen_resources_modes_length(r.get()));
        }
    }
    const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, geometryCookie, nullptr));
    const Reply<xcb_randr_get_screen_size_range_reply_t> range(
        xcb_randr_get_screen_size_range_reply(c, rangeCookie, nullptr));
    xcb_randr_output_t primary = 0;
    if (s->readsWithoutProbing) {
        const Reply<xcb_randr_get_output_primary_reply_t> p(
            xcb_randr_get_output_primary_reply(c, primaryCookie, nullptr));
        if (p) primary = p->output;
    }
    if (!geometry || !range || resources.outputs.empty()) return std::nullopt;

    // The primary output, or else the first connected one a CRTC shows.
    std::vector<xcb_randr_output_t> candidates;
    if (primary) candidates.push_back(primary);
    for (xcb_randr_output_t o : resources.outputs)
        if (o != primary) candidates.push_back(o);
    Reply<xcb_randr_get_output_info_reply_t> output(nullptr);
    for (xcb_randr_output_t o : candidates) {
        Reply<xcb_randr_get_output_info_reply_t> info(
            xcb_randr_get_output_info_reply(c, xcb_randr_get_output_info(c, o, resources.configTimestamp), nullptr));
        if (!info || info->crtc == 0) continue;
        if (o != primary && info->connection != XCB_RANDR_CONNECTION_CONNECTED) continue;
        output = std::move(info);
        break;
    }
    if (!output) return std::nullopt;

    const Reply<xcb_randr_get_crtc_info_reply_t> crtc(xcb_randr_get_crtc_info_reply(
        c, xcb_randr_get_crtc_info(c, output->crtc, resources.configTimestamp), nullptr));
    if (!crtc || crtc->status != XCB_RANDR_SET_CONFIG_SUCCESS || crtc->mode == 0) return std::nullopt;

    State state;
    state.crtc = output->crtc;
    state.configTimestamp = resources.configTimestamp;
    state.x = crtc->x;
    state.y = crtc->y;
    state.rotation = crtc->rotation;
    const xcb_randr_output_t* shownOutputs = xcb_randr_get_crtc_info_outputs(crtc.get());
    state.outputs.assign(shownOutputs, shownOutputs + xcb_randr_get_crtc_info_outputs_length(crtc.get()));
    const auto infoOf = [&resources](xcb_randr_mode_t id) -> const xcb_randr_mode_info_t* {
        for (const xcb_randr_mode_info_t& m : resources.modes)
            if (m.id == id) return &m;
        return nullptr;
    };
    const xcb_randr_mode_info_t* inForce = infoOf(crtc->mode);
    if (!inForce) return std::nullopt;
    state.mode = shown(*inForce, state.rotation);
    const xcb_randr_mode_t* listed = xcb_randr_get_output_info_modes(output.get());
    for (int i = 0; i < xcb_randr_get_output_info_modes_length(output.get()); ++i)
        if (const xcb_randr_mode_info_t* m = infoOf(listed[i])) state.modes.push_back(shown(*m, state.rotation));
    state.screenWidth = geometry->width;
    state.screenHeight = geometry->height;
    state.maxWidth = range->max_width;
    state.maxHeight = range->max_height;

    if (!original_) original_ = std::make_unique<Original>(Original{state.mode, state.screenWidth, state.screenHeight});
    return state;
}

DisplayMode RandrDisplayModes::current() {
    if (const auto now = read()) return {now->mode.width, now->mode.height, server_->depth, now->mode.rate};
    DisplayMode mode;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mode.width = screen->size().width();
        mode.height = screen->size().height();
        mode.depth = screen->depth();
        mode.rate = static_cast<int>(std::lround(screen->refreshRate()));
    }
    return mode;
}

bool RandrDisplayModes::canSwitch() {
    // Once the output and its CRTC were found, they are there for the run.
    return server() && (original_ || read());
}

bool RandrDisplayModes::change(const DisplayMode& mode) {
    const auto now = read();
    if (!now) return false;
    const bool restoring = mode.width == original_->mode.width && mode.height == original_->mode.height &&
                           mode.rate == original_->mode.rate;
    xcb_randr_mode_t id = 0;
    int screenWidth = 0, screenHeight = 0;
    if (restoring) {
        id = original_->mode.id;
        screenWidth = original_->screenWidth;
        screenHeight = original_->screenHeight;
    } else {
        const ModeShown* best = nullptr;
        for (const ModeShown& m : now->modes) {
            if (m.width != mode.width || m.height != mode.height) continue;
            if (!best || std::abs(m.rate - mode.rate) < std::abs(best->rate - mode.rate)) best = &m;
        }
        if (!best) return false;
        id = best->id;
        screenWidth = std::max(now->screenWidth, now->x + best->width);
        screenHeight = std::max(now->screenHeight, now->y + best->height);
    }
    if (id == now->mode.id && screenWidth == now->screenWidth && screenHeight == now->screenHeight) return true;
    if (screenWidth > now->maxWidth || screenHeight > now->maxHeight) return false;
    return apply(*now, id, screenWidth, screenHeight, server_->mmForWidth(screenWidth),
                 server_->mmForHeight(screenHeight));
}

bool RandrDisplayModes::apply(const State& now, unsigned modeId, int screenWidth, int screenHeight, int mmWidth,
                              int mmHeight) {
    xcb_connection_t* c = server_->connection;
    const xcb_window_t root = server_->root;
    const auto setScreen = [c, root](int w, int h, int mmW, int mmH) {
        const Reply<xcb_generic_error_t> error(xcb_request_check(
            c, xcb_randr_set_screen_size_checked(c, root, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h),
                                                 static_cast<std::uint32_t>(mmW), static_cast<std::uint32_t>(mmH))));
        return !error;
    };
    // The screen grows first, so that it holds the new mode; it shrinks
    // last, once the CRTC no longer needs the room.
    const int grownWidth = std::max(now.screenWidth, screenWidth);
    const int grownHeight = std::max(now.screenHeight, screenHeight);
    const bool grows = grownWidth != now.screenWidth || grownHeight != now.screenHeight;
    if (grows && !setScreen(grownWidth, grownHeight, server_->mmForWidth(grownWidth),
                            server_->mmForHeight(grownHeight)))
        return false;
    const Reply<xcb_randr_set_crtc_config_reply_t> set(xcb_randr_set_crtc_config_reply(
        c,
        xcb_randr_set_crtc_config(c, now.crtc, XCB_CURRENT_TIME, now.configTimestamp, static_cast<std::int16_t>(now.x),
                                  static_cast<std::int16_t>(now.y), modeId, now.rotation,
                                  static_cast<std::uint32_t>(now.outputs.size()), now.outputs.data()),
        nullptr));
    if (!set || set->status != XCB_RANDR_SET_CONFIG_SUCCESS) {
        if (grows)
            setScreen(now.screenWidth, now.screenHeight, server_->mmForWidth(now.screenWidth),
                      server_->mmForHeight(now.screenHeight));
        xcb_flush(c);
        return false;
    }
    // A screen that other CRTCs still need stays larger: the mode is set all
    // the same.
    if (screenWidth != grownWidth || screenHeight != grownHeight) setScreen(screenWidth, screenHeight, mmWidth, mmHeight);
    xcb_flush(c);
    return true;
}

}  // namespace dravonelle
