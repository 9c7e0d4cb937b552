// One control of the main window, as data: what the game reads and writes.
// Every setter records the change with the owning model, so that a front end
// repaints only what an event touched.
#pragma once

#include "window/layer.h"

#include <cstdint>
#include <string>

namespace dravonelle {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color red{255, 0, 0};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color buttonFace{212, 208, 200};
inline constexpr Color activeZone{128, 128, 0};    // bubble over a clickable zone
inline constexpr Color passiveZone{0, 128, 128};   // bubble over an information zone
inline constexpr Color creditLine{0, 128, 0};
inline constexpr Color announcement{192, 0, 0};
}  // namespace colors

enum class ControlKind {
    Label,         // text, auto-sizing where asked
    PictureBox,    // picture holder, also a container
    Image,         // small picture, click zone when transparent
    Shape,         // frame, only shown or hidden
    Timer,         // ticks, never drawn
    CommandButton, // plain push button
    ImageButton,   // caption + picture + highlight + state value
    Panel,         // 3D panel with a multi-line caption
    Web,           // a page shown from an address (the web panels)
    Form,          // a window itself: its size and state, never drawn as a control
};

enum class Align { Left, Center, Right };

class ControlModel;

// The design-time state: what the layout table gives a control before the
// game touches it. Positions and sizes are in twips (15 per pixel).
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    Color forecolor = colors::black;
    Color backcolor = colors::buttonFace;
    int fontsize = 9;
    bool bold = false;
    bool visible = true;
    bool enabled = true;
    bool autosize = false;     // a label that sizes itself to its caption
    bool transparent = false;  // draws nothing of its own (click zones, frames)
    bool border = false;
    Align align = Align::Center;
    std::string font = "Arial";
    std::string picture;       // picture store name, empty = none
    std::string container;     // the control that holds this one: positions are
                               // relative to it and it hides what it holds
    int value = 0;
    int interval = 0;          // timers, milliseconds
};

class Control {
public:
    Control(ControlModel& owner, int id, std::string name, int index, const ControlDesign& design);

    int id() const { return id_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 when the control is not in an array
    ControlKind kind() const { return design_.kind; }
    const ControlDesign& design() const { return design_; }
    std::string label() const;            // "Cases(35)" or "Ok"

    const std::string& caption() const { return caption_; }
    Color forecolor() const { return forecolor_; }
    Color backcolor() const { return backcolor_; }
    int fontsize() const { return fontsize_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& picture() const { return picture_; }
    bool highlight() const { return highlight_; }
    int value() const { return value_; }
    bool hasFocus() const;

    // Leading-number reading of the caption: the game keeps its counters,
    // totals and cell points in their texts.
    int number() const;

    void setCaption(std::string text);
    void setForecolor(Color c);
    void setBackcolor(Color c);
    void setFontsize(int points);
    void setVisible(bool on);
    void setEnabled(bool on);
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void setPicture(std::string store);
    void copyPicture(const Control& store) { setPicture(store.picture()); }
    void setHighlight(bool on);
    void setValue(int v);
    void setFocus();
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

private:
    void touched();
    void resize();

    ControlModel& owner_;
    int id_;
    std::string name_;
    int index_;
    ControlDesign design_;
    std::string caption_;
    Color forecolor_, backcolor_;
    int fontsize_;
    bool visible_, enabled_;
    int left_, top_, width_, height_;
    std::string picture_;
    bool highlight_ = false;
    int value_;
};

}  // namespace dravonelle
