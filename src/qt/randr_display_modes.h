// The screen's display mode through X RandR: read from the CRTC of the
// primary output, and switched for this run only, as `xrandr --output O
// --mode M` does (nothing is stored in the user's settings). Off X11
// (offscreen, Wayland) or without RandR 1.2 the mode is only read, from
// QScreen, and cannot be switched.
#pragma once

#include "qt/layer.h"

#include <memory>
#include <optional>

#include "platform/platform.h"

namespace dravonelle {

class RandrDisplayModes : public DisplayModes {
public:
    // Asks the server nothing yet: the first question finds out what it can
    // do, so a start on a screen that needs no switch pays for little.
    RandrDisplayModes();
    ~RandrDisplayModes() override;
    RandrDisplayModes(const RandrDisplayModes&) = delete;
    RandrDisplayModes& operator=(const RandrDisplayModes&) = delete;

    // The mode of the primary output's CRTC, the root window's depth, the
    // rate rounded to whole hertz (a mode without timings, as a virtual
    // screen has, counts as 60 Hz).
    DisplayMode current() override;

    // A mode of the output of MODE's size, at the rate closest to MODE's;
    // the screen grows to hold it if it must. Asked for the mode that was in
    // force at the first look, it sets back that very mode and screen size.
    // The depth cannot change on X11 and is kept. False when the output has
    // no such mode, the screen cannot hold it or the server refuses.
    bool change(const DisplayMode& mode) override;

    // X11 with RandR 1.2 or later and an output shown by a CRTC.
    bool canSwitch() override;

private:
    struct Server;    // the X connection and what the server can do
    struct State;     // the output, its CRTC, its modes and the screen, as read now
    struct Original;  // the mode and screen in force at the first look
    Server* server();
    std::optional<State> read();
    bool apply(const State& now, unsigned modeId, int screenWidth, int screenHeight, int mmWidth, int mmHeight);

    bool looked_ = false;
    std::unique_ptr<Server> server_;  // none off X11 or without RandR 1.2
    std::unique_ptr<Original> original_;
};

}  // namespace dravonelle
