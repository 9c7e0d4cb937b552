// A window event as the core receives it, from the window or from a script.
#pragma once

#include "window/layer.h"

#include <string>

namespace dravonelle {

enum class EventKind {
    Click,  // a click on a control
    Move,   // one pointer movement over a control ("JeuYam" is the background)
    Key,    // a key press at the window, seen before any control
    Tick,   // one tick of a timer
    Close,  // the window's close request
};

// Keys the game knows; letters are upper-cased before they arrive. Beyond
// the dice letters, Space and Return, the rest walk the window by keyboard.
enum class Key { None, Space, Return, Letter, Tab, BackTab, Up, Down, Left, Right, Escape, F1, PageUp, PageDown };

struct Event {
    EventKind kind = EventKind::Click;
    std::string name;  // control name; "JeuYam" for the window itself
    int index = -1;    // array index, -1 for a single control
    Key key = Key::None;
    char letter = 0;   // 'A'..'Z' when key is Letter
    bool ctrl = false; // held with Ctrl

    static Event click(std::string n, int i = -1) { return {EventKind::Click, std::move(n), i}; }
    static Event move(std::string n, int i = -1) { return {EventKind::Move, std::move(n), i}; }
    static Event tick(std::string n) { return {EventKind::Tick, std::move(n), -1}; }
    static Event close() { return {EventKind::Close, "JeuYam", -1}; }
    static Event keyPress(Key k, char letter = 0, bool ctrl = false) {
        return {EventKind::Key, "JeuYam", -1, k, letter, ctrl};
    }
};

// The window background's name in events.
inline constexpr const char* kWindowName = "JeuYam";

}  // namespace dravonelle
