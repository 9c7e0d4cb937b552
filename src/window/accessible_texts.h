// What the window says to a screen reader, with no toolkit: for each control
// of the main window and of the consent window, its role, a French name a
// person understands, its value, its states and the bubble's text over it.
#pragma once

#include "window/layer.h"

#include <functional>
#include <map>
#include <string>

#include "window/controls/control.h"

namespace dravonelle {

class ControlModel;
class JeuYam;

// The bubble's last word over each control of the main window: the hover
// handlers change the game (the sheet's preview, the menus), so a screen
// reader cannot ask them again; it reads what the bubble said there.
class BullesVues {
public:
    using Handler = std::function<void(int index)>;

    // HANDLER, a Move handler of the control NAME, noting which control the
    // bubble speaks over while it runs.
    Handler suit(ControlModel& model, std::string name, Handler handler);

    // The bubble was given TEXT (shown, or already showing).
    void note(const std::string& texte);

    // The text last seen over control ID, nullptr when none was.
    const std::string* sur(int id) const;

private:
    int survolé_ = -1;
    std::map<int, std::string> textes_;
};

enum class AccessibleRole {
    None,      // not exposed: picture stores, timers, frames, placeholders
    Window,
    Button,
    Cell,      // a cell of the sheet, of the ranking or of the statistics
    Label,
    Picture,
    Group,     // a panel that holds other controls
    Web,       // an advertising or logo page
    Bubble,    // the guidance band: a live region
};

struct AccessibleText {
    AccessibleRole role = AccessibleRole::None;
    std::string name;
    std::string value;
    std::string description;
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool shown = true;
    bool focused = false;
};

// Control C of the game's main window or of its consent window.
AccessibleText accessibleText(const JeuYam& jeu, const Control& c);

}  // namespace dravonelle
