// The layout of the characters' menu and of the tool bar.
#include <string>

#include "ui/window_layout.h"

namespace dravonelle {
namespace {

ControlDesign box(ControlKind kind, int leftPx, int topPx, int widthPx, int heightPx) {
    ControlDesign d;
    d.kind = kind;
    d.left = px(leftPx);
    d.top = px(topPx);
    d.width = px(widthPx);
    d.height = px(heightPx);
    return d;
}

void addStore(ControlModel& m, const std::string& name, int index = -1) {
    ControlDesign d = box(ControlKind::ImageButton, 0, 0, 40, 40);
    d.visible = false;
    d.picture = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    if (index < 0) {
        m.add(name, d);
    } else {
        m.add(name, index, d);
    }
}

constexpr int kPortrait = 56;
constexpr int kMenuColumns = 6;

}  // namespace

// The character button beside the name, and the menu of the 24 portraits.
// The menu is parked below the window (top 12000) while closed; open, it
// covers the dice and the first-place picture (top 255).
void addCharacters(ControlModel& m) {
    ControlDesign button = box(ControlKind::ImageButton, 372, 532, 44, 44);
    button.picture = "Personnages(0)";
    m.add("Personnages", 0, button);

    ControlDesign menu = box(ControlKind::PictureBox, 24, 0, kMenuColumns * (kPortrait + 8) + 8, 4 * (kPortrait + 8) + 8);
    menu.top = 12000;
    menu.backcolor = Color{250, 246, 232};
    menu.border = true;
    m.add("MenuPersonnages", menu);
    for (int i = 1; i <= 24; ++i) {
        const int col = (i - 1) % kMenuColumns, row = (i - 1) / kMenuColumns;
        ControlDesign portrait =
            box(ControlKind::ImageButton, 8 + col * (kPortrait + 8), 8 + row * (kPortrait + 8), kPortrait, kPortrait);
        portrait.container = "MenuPersonnages";
        portrait.picture = "Personnages(" + std::to_string(i) + ")";
        m.add("Personnages", i, portrait);
    }

    ControlDesign name = box(ControlKind::ImageButton, 24, 260, 180, 30);
    name.visible = false;
    name.fontsize = 12;
    name.bold = true;
    m.add("CliqueNom", name);

    ControlDesign copy = box(ControlKind::PictureBox, 440, 0, kPortrait, kPortrait);
    copy.top = 12252;
    m.add("CapteNom", copy);
}

// The tools along the bottom of the window, and the pictures they swap.
void addToolBar(ControlModel& m) {
    const char* const tools[] = {"Aides", "Sons", "Animation", "Verrou", "Paramètres",
                                 "Score", "Règles", "Iconify", "Halte"};
    const char* const pictures[] = {"InfosImage", "SonsImage", "AnimeImage", "Lightoff", "Paramètres",
                                    "Lightoff", "Règles", "Iconify", "Halte"};
    int left = 440;
    for (int i = 0; i < 9; ++i) {
        ControlDesign tool = box(ControlKind::ImageButton, left, 670, 48, 48);
        tool.picture = pictures[i];
        m.add(tools[i], tool);
        left += i == 3 ? 112 : 56;  // room for the dice menu after the lock
    }
    // The dice-style menu: item 0 is its button, 1 to 3 open above it.
    for (int i = 0; i <= 3; ++i) {
        ControlDesign item = box(ControlKind::ImageButton, 664, 670 - i * 52, 48, 48);
        item.visible = i == 0;
        item.picture = i == 0 ? "DésImage(1)" : "DésImage(" + std::to_string(i) + ")";
        m.add("MenuDés", i, item);
    }
    for (const char* store : {"InfosImage", "NoInfosImage", "SonsImage", "NoSonsImges", "AnimeImage",
                              "NoAnimeImage", "Lighton", "Lightoff"}) {
        addStore(m, store);
    }
    for (int i = 1; i <= 3; ++i) addStore(m, "DésImage", i);
}

}  // namespace dravonelle
