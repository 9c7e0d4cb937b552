#include "window/controls/control_model.h"

#include <stdexcept>
#include <utility>

#include "rules/number_text.h"

namespace dravonelle {

// ---- Control ---------------------------------------------------------------

Control::Control(ControlModel& owner, int id, std::string name, int index, const ControlDesign& design)
    : owner_(owner),
      id_(id),
      name_(std::move(name)),
      index_(index),
      design_(design),
      caption_(design.caption),
      forecolor_(design.forecolor),
      backcolor_(design.backcolor),
      fontsize_(design.fontsize),
      visible_(design.visible),
      enabled_(design.enabled),
      left_(design.left),
      top_(design.top),
      width_(design.width),
      height_(design.height),
      picture_(design.picture),
      value_(design.value) {}

std::string Control::label() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::hasFocus() const { return owner_.focus() == id_; }

int Control::number() const { return leadingNumber(caption_); }

void Control::touched() { owner_.noteChange(id_); }

void Control::resize() {
    if (design_.autosize) width_ = owner_.measure(*this);
}

void Control::setCaption(std::string text) {
    if (text == caption_ && !design_.autosize) return;
    caption_ = std::move(text);
    resize();
    touched();
}

void Control::setForecolor(Color c) {
    if (c == forecolor_) return;
    forecolor_ = c;
    touched();
}

void Control::setBackcolor(Color c) {
    if (c == backcolor_) return;
    backcolor_ = c;
    touched();
}

void Control::setFontsize(int points) {
    if (points == fontsize_) return;
    fontsize_ = points;
    resize();
    touched();
}

void Control::setVisible(bool on) {
    if (on == visible_) return;
    visible_ = on;
    touched();
}

void Control::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    touched();
}

void Control::setLeft(int twips) {
    if (twips == left_) return;
    left_ = twips;
    touched();
}

void Control::setTop(int twips) {
    if (twips == top_) return;
    top_ = twips;
    touched();
}

void Control::setWidth(int twips) {
    if (twips == width_) return;
    width_ = twips;
    touched();
}

void Control::setHeight(int twips) {
    if (twips == height_) return;
    height_ = twips;
    touched();
}

void Control::setPicture(std::string store) {
    if (store == picture_) return;
    picture_ = std::move(store);
    touched();
}

void Control::setHighlight(bool on) {
    if (on == highlight_) return;
    highlight_ = on;
    touched();
}

void Control::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    touched();
}

void Control::setFocus() { owner_.setFocus(id_); }

// ---- ControlArray ----------------------------------------------------------

Control* ControlArray::find(int index) const {
    const int slot = index - first_;
    if (slot < 0 || slot >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<std::size_t>(slot)];
}

Control& ControlArray::operator()(int index) const {
    Control* c = find(index);
    if (!c) throw std::out_of_range("no control at index " + std::to_string(index));
    return *c;
}

void ControlArray::put(int index, Control* c) {
    if (items_.empty()) {
        first_ = index;
    } else if (index < first_) {
        items_.insert(items_.begin(), static_cast<std::size_t>(first_ - index), nullptr);
        first_ = index;
    }
    const auto slot = static_cast<std::size_t>(index - first_);
    if (slot >= items_.size()) items_.resize(slot + 1, nullptr);
    items_[slot] = c;
}

// ---- ControlModel ----------------------------------------------------------

ControlModel::ControlModel() = default;

Control& ControlModel::add(const std::string& name, const ControlDesign& design) {
    if (singles_.count(name) || arrays_.count(name)) throw std::logic_error("control registered twice: " + name);
    const int id = static_cast<int>(controls_.size());
    controls_.emplace_back(*this, id, name, -1, design);
    dirty_.push_back(0);
    singles_[name] = id;
    return controls_.back();
}

Control& ControlModel::add(const std::string& name, int index, const ControlDesign& design) {
    if (singles_.count(name)) throw std::logic_error("control registered twice: " + name);
    auto& arr = arrays_[name];
    if (arr.find(index)) throw std::logic_error("control registered twice: " + name);
    const int id = static_cast<int>(controls_.size());
    controls_.emplace_back(*this, id, name, index, design);
    dirty_.push_back(0);
    arr.put(index, &controls_.back());
    return controls_.back();
}

Control* ControlModel::find(const std::string& name, int index) {
    if (index < 0) {
        auto it = singles_.find(name);
        return it == singles_.end() ? nullptr : &controls_[static_cast<std::size_t>(it->second)];
    }
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : it->second.find(index);
}

Control& ControlModel::at(const std::string& name, int index) {
    Control* c = find(name, index);
    if (!c) throw std::out_of_range("unknown control " + name);
    return *c;
}

ControlArray& ControlModel::array(const std::string& name) {
    auto it = arrays_.find(name);
    if (it == arrays_.end()) throw std::out_of_range("unknown control array " + name);
    return it->second;
}

bool ControlModel::isArray(const std::string& name) const { return arrays_.count(name) != 0; }

bool ControlModel::hasName(const std::string& name) const {
    return singles_.count(name) != 0 || arrays_.count(name) != 0;
}

bool ControlModel::reachable(const Control& c) {
    const Control* at = &c;
    for (int depth = 0; at && depth < 8; ++depth) {
        if (!at->visible()) return false;
        if (at->design().container.empty()) return true;
        at = find(at->design().container);
    }
    return true;
}

void ControlModel::setFocus(int id) {
    if (id == focus_) return;
    const int old = focus_;
    focus_ = id;
    if (old >= 0) noteChange(old);
    if (id >= 0) noteChange(id);
}

void ControlModel::noteChange(int id) {
    auto& d = dirty_[static_cast<std::size_t>(id)];
    if (!d) {
        d = 1;
        changes_.push_back(id);
    }
}

std::vector<int> ControlModel::takeChanges() {
    for (int id : changes_) dirty_[static_cast<std::size_t>(id)] = 0;
    return std::exchange(changes_, {});
}

int ControlModel::measure(const Control& c) const {
    if (measure_) return measure_(c);
    // Bold Arial averages a little over half its size per character; a point
    // is 20 twips.
    const int perChar = c.fontsize() * 20 * 11 / 20;
    return static_cast<int>(textLength(c.caption())) * perChar + 60;
}

}  // namespace dravonelle
