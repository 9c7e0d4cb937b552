#include "qt/screen_fit.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "window/window_layout.h"

namespace dravonelle {
namespace {

// Room for a window manager's title bar and borders, in screen pixels: the
// frame is not known before the window is shown, and it is not scaled.
constexpr QSize kFrame{12, 40};

// Whether an X11 window manager announces itself on the root window; with
// none (a bare server, as under Xvfb) the window has no frame.
bool x11WindowManager() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return true;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    static constexpr char kName[] = "_NET_SUPPORTING_WM_CHECK";
    const auto freeReply = [](void* p) { std::free(p); };
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(freeReply)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr), freeReply);
    if (!screen || !atom || atom->atom == XCB_ATOM_NONE) return false;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(freeReply)> property(
        xcb_get_property_reply(c, xcb_get_property(c, 0, screen->root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr),
        freeReply);
    return property && xcb_get_property_value_length(property.get()) > 0;
}

}  // namespace

double fitFactor(QSize window, QSize frame, QSize available) {
    const double across = double(available.width() - frame.width()) / window.width();
    const double down = double(available.height() - frame.height()) / window.height();
    const double factor = std::min({1.0, across, down});
    // Never so small that nothing can be read.
    return std::max(std::floor(factor * 256) / 256, 0.25);
}

double zoomForScreen(const QScreen& screen) {
    const QSize size = screen.size();
    if (size.width() >= kWindowWidth && size.height() >= kWindowHeight) return 1;
    const bool framed = QGuiApplication::platformName() != QLatin1String("xcb") || x11WindowManager();
    const QSize frame = framed ? (QSizeF(kFrame) / screen.devicePixelRatio()).toSize() : QSize(0, 0);
    return fitFactor(QSize(kWindowWidth, kWindowHeight), frame, screen.availableGeometry().size());
}

}  // namespace dravonelle
