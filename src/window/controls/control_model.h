// The main window as data: every control by name and index, the keyboard
// focus, and the list of controls changed since a front end last looked.
#pragma once

#include "window/layer.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "window/controls/control.h"

namespace dravonelle {

// A control array with possible gaps, addressed like the game addresses it:
// Cases(35); Pointeur(11) does not exist (rows 6 and 7 hold nothing).
class ControlArray {
public:
    Control& operator()(int index) const;
    Control* find(int index) const;
    int highest() const { return first_ + static_cast<int>(items_.size()) - 1; }

private:
    friend class ControlModel;
    void put(int index, Control* c);
    int first_ = 0;
    std::vector<Control*> items_;
};

class ControlModel {
public:
    ControlModel();
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    Control& add(const std::string& name, const ControlDesign& design);
    Control& add(const std::string& name, int index, const ControlDesign& design);

    // Lookups; `find` answers nullptr for an unknown name or index.
    Control* find(const std::string& name, int index = -1);
    Control& at(const std::string& name, int index = -1);
    ControlArray& array(const std::string& name);
    bool isArray(const std::string& name) const;
    bool hasName(const std::string& name) const;

    // Controls in drawing order (first drawn first, later ones on top).
    const std::deque<Control>& controls() const { return controls_; }
    Control& byId(int id) { return controls_[static_cast<std::size_t>(id)]; }

    // Shown, and inside shown containers.
    bool reachable(const Control& c);

    int focus() const { return focus_; }
    void setFocus(int id);

    // Changes since the last call, in the order first touched.
    std::vector<int> takeChanges();
    void noteChange(int id);

    // Width in twips that an auto-sizing label needs for its caption. The
    // window measures with its real fonts; without one, an estimate serves.
    using Measure = std::function<int(const Control&)>;
    void setMeasure(Measure m) { measure_ = std::move(m); }
    int measure(const Control& c) const;

private:
    std::deque<Control> controls_;
    std::map<std::string, int, std::less<>> singles_;
    std::map<std::string, ControlArray, std::less<>> arrays_;
    std::vector<char> dirty_;
    std::vector<int> changes_;
    int focus_ = -1;
    Measure measure_;
};

}  // namespace dravonelle
