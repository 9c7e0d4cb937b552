// The layout of the characters' menu and of the tool bar.
#include <string>

#include "window/window_layout.h"

namespace dravonelle {
namespace {

ControlDesign box(ControlKind kind, int leftPx, int topPx, int widthPx, int heightPx) {
    return designAt(kind, leftPx, topPx, widthPx, heightPx);
}


constexpr int kPortrait = 56;
constexpr int kMenuColumns = 6;

constexpr int kToolLeft = 456;  // the left of the sheet's row headings
constexpr int kToolTop = 670;
constexpr int kToolSize = 48;
constexpr int kToolStep = 52;
constexpr int kDiceMenuPlace = 4;

}  // namespace

// The character button at the head of the information card, and the menu of
// the 24 portraits. The menu is parked below the window (top 12000) while
// closed; open (top 255), it covers the dice, the first-place picture and the
// button itself, so that the pointer goes from the button straight onto the
// portraits, and the name button opens just under it.
void addCharacters(ControlModel& m) {
    ControlDesign button = box(ControlKind::ImageButton, 24, 212, 44, 44);
    button.picture = "Personnages(0)";
    m.add("Personnages", 0, button);

    ControlDesign menu =
        box(ControlKind::PictureBox, 24, 0, kMenuColumns * (kPortrait + 8) + 8, 4 * (kPortrait + 8) + 8);
    menu.top = 12000;
    menu.backcolor = Color{250, 246, 232};
    menu.border = true;
    m.add("MenuPersonnages", menu);
    for (int i = 1; i <= 24; ++i) {
        const int col = (i - 1) % kMenuColumns, row = (i - 1) / kMenuColumns;
        ControlDesign portrait = box(ControlKind::ImageButton, 8 + col * (kPortrait + 8),
                                     8 + row * (kPortrait + 8), kPortrait, kPortrait);
        portrait.container = "MenuPersonnages";
        portrait.picture = "Personnages(" + std::to_string(i) + ")";
        m.add("Personnages", i, portrait);
    }

    ControlDesign name = box(ControlKind::ImageButton, 24, 278, 180, 30);
    name.visible = false;
    name.fontsize = 12;
    name.bold = true;
    m.add("CliqueNom", name);

    ControlDesign copy = box(ControlKind::PictureBox, 440, 0, kPortrait, kPortrait);
    copy.top = 12252;
    m.add("CapteNom", copy);
}

// The tools along the bottom of the window, under the score sheet: ten
// places from the sheet's row headings to its last column, the fifth kept
// for the dice menu's button. The information panel starts hidden, so Score
// starts with the light that says so.
void addToolBar(ControlModel& m) {
    const char* const tools[] = {"Aides", "Sons",   "Animation", "Verrou", "Paramètres",
                                 "Score", "Règles", "Iconify",   "Halte"};
    const char* const pictures[] = {"InfosImage", "SonsImage", "AnimeImage", "FeuxDés(5)", "Paramètres",
                                    "Lighton",    "Règles",    "Iconify",    "Halte"};
    for (int i = 0; i < 9; ++i) {
        const int place = i < kDiceMenuPlace ? i : i + 1;
        ControlDesign tool =
            box(ControlKind::ImageButton, kToolLeft + place * kToolStep, kToolTop, kToolSize, kToolSize);
        tool.picture = pictures[i];
        m.add(tools[i], tool);
    }
    // The advisor, on its own left of the bar; the information panel says
    // whether the game was played with its help.
    ControlDesign advisor =
        box(ControlKind::ImageButton, kToolLeft - kToolStep - 12, kToolTop, kToolSize, kToolSize);
    advisor.picture = "Conseil";
    m.add("Conseil", advisor);
    ControlDesign assisted = box(ControlKind::Label, 330, 540, 86, 18);
    assisted.caption = "Assistée";
    assisted.visible = false;
    assisted.bold = true;
    assisted.fontsize = 9;
    assisted.forecolor = colors::announcement;
    assisted.backcolor = Color{240, 236, 220};
    m.add("PartieAssistée", assisted);
    // The dice-style menu: item 0 is its button, 1 to 3 open above it.
    for (int i = 0; i <= 3; ++i) {
        ControlDesign item = box(ControlKind::ImageButton, kToolLeft + kDiceMenuPlace * kToolStep,
                                 kToolTop - i * kToolStep, kToolSize, kToolSize);
        item.visible = i == 0;
        item.picture = i == 0 ? "DésImage(1)" : "DésImage(" + std::to_string(i) + ")";
        m.add("MenuDés", i, item);
    }
    for (const char* store : {"InfosImage", "NoInfosImage", "SonsImage", "NoSonsImges", "AnimeImage",
                              "NoAnimeImage", "Lighton", "Lightoff"}) {
        addStore(m, store, -1, ControlKind::ImageButton, 40, 40);
    }
    for (int i = 1; i <= 3; ++i) addStore(m, "DésImage", i, ControlKind::ImageButton, 40, 40);
}

// The rules panel over the sheet, closed until Règles opens it: one text
// panel per page, only the first shown, and along its foot the arrows, the
// page number and the panel that closes it.
void addRulesPanel(ControlModel& m) {
    constexpr int kFrameWidth = 1008, kFrameHeight = 624, kFootTop = 588, kFootHeight = 28;
    ControlDesign frame = box(ControlKind::Panel, 8, 40, kFrameWidth, kFrameHeight);
    frame.visible = false;
    frame.backcolor = Color{236, 232, 216};
    m.add("SSRèglesCadre", frame);

    for (int page = 1; page <= 3; ++page) {
        ControlDesign text = box(ControlKind::Panel, 8, 8, kFrameWidth - 16, kFootTop - 16);
        text.container = "SSRèglesCadre";
        text.visible = page == 1;
        text.align = Align::Left;
        text.fontsize = 7;
        text.backcolor = Color{250, 246, 232};
        m.add("SSRègle", page, text);
    }
    // Beside the third page's options, where their tools' pictures stand.
    ControlDesign tools = box(ControlKind::Panel, 16, 90, 40, 420);
    tools.container = "SSRèglesCadre";
    tools.visible = false;
    m.add("SSOutils", tools);

    ControlDesign arrow = box(ControlKind::CommandButton, 8, kFootTop, kFootHeight, kFootHeight);
    arrow.container = "SSRèglesCadre";
    arrow.caption = "<";
    arrow.bold = true;
    m.add("ScrollHaut", arrow);
    ControlDesign number = box(ControlKind::Panel, 40, kFootTop, 80, kFootHeight);
    number.container = "SSRèglesCadre";
    number.caption = "PAGE 1/3";
    number.bold = true;
    m.add("PageAffiche", number);
    arrow.left = px(124);
    arrow.caption = ">";
    m.add("ScrollBas", arrow);

    ControlDesign close = box(ControlKind::Panel, kFrameWidth - 48, kFootTop, 40, kFootHeight);
    close.container = "SSRèglesCadre";
    close.caption = "X";
    close.bold = true;
    m.add("SSPanel2", close);
}

}  // namespace dravonelle
