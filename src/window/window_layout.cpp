#include "window/window_layout.h"

#include <string>

#include "rules/sheet_index.h"

namespace dravonelle {
namespace {

// Sheet geometry in pixels. The sheet stands on the right half of the
// window; the dice and the information panel share the left half.
constexpr int kSheetLeft = 456;      // left of the row headings
constexpr int kHeadingWidth = 60;
constexpr int kCellLeft = kSheetLeft + kHeadingWidth + 4;
constexpr int kCellWidth = 88;
constexpr int kColumnStep = 92;
constexpr int kCellHeight = 28;
constexpr int kRowStep = 31;
constexpr int kHeadingTop = 48;

// Top of a sheet line: the heading line, six numbers, TOTAL and BONUS, seven
// figures, the column total.
int lineTop(int line) {
    int top = kHeadingTop + 2 + kRowStep * line;
    if (line >= 7) top += 8;   // band of the number total and bonus
    if (line >= 9) top += 8;   // figures part
    if (line >= 16) top += 8;  // column totals
    return top;
}

int cellTop(int row) {
    if (sheet::isNumberRow(row)) return lineTop(1 + row);
    return lineTop(9 + (row - sheet::Suite));
}

ControlDesign at(ControlKind kind, int leftPx, int topPx, int widthPx, int heightPx) {
    return designAt(kind, leftPx, topPx, widthPx, heightPx);
}

}  // namespace

void addStore(ControlModel& m, const std::string& name, int index, ControlKind kind, int widthPx, int heightPx) {
    ControlDesign d = designAt(kind, 0, 0, widthPx, heightPx);
    d.visible = false;
    d.picture = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    if (index < 0) {
        m.add(name, d);
    } else {
        m.add(name, index, d);
    }
}

namespace {

const char* const kColumnHeadings[] = {"Descente", "Montée", "Libre", "Sèche", "Annonce"};
const char* const kRowSymbols[] = {"1", "2", "3", "4", "5", "6", "Total", "Bonus",
                                   "S", "F", "C", "+", "=", "-", "Y"};

void addSheetHeadings(ControlModel& m) {
    ControlDesign head = at(ControlKind::Label, 0, kHeadingTop, kCellWidth, kCellHeight);
    head.fontsize = 11;
    head.bold = true;
    head.backcolor = Color{32, 64, 112};
    head.forecolor = colors::white;
    for (int c = 0; c < sheet::kColumns; ++c) {
        head.left = px(kCellLeft + c * kColumnStep);
        head.caption = kColumnHeadings[c];
        m.add("InfosJeu", c, head);
    }
    // Row headings 5..10 the numbers, 11 Total, 12 Bonus, 13..19 the
    // figures, 20 the column total.
    ControlDesign row = at(ControlKind::Label, kSheetLeft, 0, kHeadingWidth, kCellHeight);
    row.fontsize = 12;
    row.bold = true;
    row.backcolor = Color{225, 232, 240};
    row.forecolor = Color{32, 64, 112};
    for (int i = 5; i <= 20; ++i) {
        row.top = px(lineTop(i - 4));  // headings follow the sheet's lines
        row.caption = i == 20 ? "Total" : kRowSymbols[i - 5];
        row.fontsize = (i == 11 || i == 12 || i == 20) ? 9 : 12;
        m.add("InfosJeu", i, row);
    }
}

void addCells(ControlModel& m) {
    ControlDesign cell = at(ControlKind::ImageButton, 0, 0, kCellWidth, kCellHeight);
    cell.fontsize = 12;
    cell.bold = true;
    cell.caption = "   ";
    cell.backcolor = colors::white;
    for (int k = 0; k < sheet::kCellCount; ++k) {
        const int c = sheet::column(k), r = sheet::row(k);
        cell.visible = sheet::isScoringCell(k);
        cell.enabled = k != 0;  // cell 0 disabled: the sheet is not armed yet
        if (k <= sheet::kLastSheetCell && c < sheet::kColumns) {
            cell.left = px(kCellLeft + c * kColumnStep);
            cell.top = px(sheet::isScoringCell(k) ? cellTop(r) : lineTop(16));
        }
        if (k == 79 || k == 80) {
            cell.left = px(kCellLeft + 4 * kColumnStep);
            cell.top = px(lineTop(16));
        }
        if (k == 81 || k == 82) {
            // The two values of a double choice on Montée's Mini, beside it.
            cell.left = px(kCellLeft + kColumnStep * (k == 81 ? 0 : 1) + kColumnStep / 2);
            cell.top = px(cellTop(sheet::Mini) + kRowStep / 2);
            cell.visible = false;
        }
        m.add("Cases", k, cell);
    }
}

void addTotals(ControlModel& m) {
    ControlDesign total = at(ControlKind::Label, 0, 0, kCellWidth, kCellHeight);
    total.fontsize = 12;
    total.bold = true;
    total.backcolor = Color{240, 236, 220};
    for (int i = 0; i < 15; ++i) {
        const int c = i / 3, kind = i % 3;
        total.left = px(kCellLeft + c * kColumnStep);
        total.top = px(lineTop(kind == 0 ? 7 : kind == 1 ? 8 : 16));
        total.caption = std::string(kind == 2 ? "0" : "   ");
        m.add("Totaux", i, total);
    }
    total.left = px(kCellLeft + 4 * kColumnStep);
    total.top = px(lineTop(17) + 6);
    total.height = px(32);
    total.fontsize = 16;
    total.backcolor = Color{255, 248, 200};
    total.caption = "0";
    m.add("Totaux", 15, total);

    ControlDesign title = at(ControlKind::Label, kCellLeft + 2 * kColumnStep, lineTop(17) + 6,
                             2 * kColumnStep - 4, 32);
    title.fontsize = 12;
    title.bold = true;
    title.align = Align::Right;
    title.backcolor = Color{255, 248, 200};
    title.caption = "Total général ";
    m.add("TitreTotal", title);
}

void addPointers(ControlModel& m) {
    ControlDesign mark = at(ControlKind::Shape, 0, 0, kCellWidth + 4, kCellHeight + 4);
    mark.visible = false;
    mark.transparent = true;
    mark.border = true;
    mark.forecolor = colors::red;
    for (int c = 0; c < sheet::kColumns; ++c) {
        mark.left = px(kCellLeft + c * kColumnStep - 2);
        mark.top = px(kHeadingTop - 2);
        m.add("Pointeur", c, mark);
    }
    mark.width = px(kHeadingWidth + 4);
    for (int r : sheet::kRows) {
        mark.left = px(kSheetLeft - 2);
        mark.top = px(cellTop(r) - 2);
        m.add("Pointeur", 5 + r, mark);
    }
}

constexpr int kDiceLeft = 24;
constexpr int kDiceStep = 76;
constexpr int kDiceTop = 44;
constexpr int kSmallDiceTop = 152;
constexpr int kSmallDiceStep = 36;
const char kLetters[] = "WXCVB";

void addDice(ControlModel& m) {
    for (int i = 0; i < 5; ++i) {
        ControlDesign big = at(ControlKind::ImageButton, kDiceLeft + i * kDiceStep, kDiceTop, 62, 59);
        big.visible = false;
        big.backcolor = colors::white;
        m.add("NégocieDés", i, big);
    }
    for (int i = 0; i < 5; ++i) {
        ControlDesign zone = at(ControlKind::Image, kDiceLeft + i * kDiceStep, kDiceTop, 62, 59);
        zone.transparent = true;
        m.add("ChoixDés", i, zone);
    }
    for (int i = 0; i <= 6; ++i) {
        ControlDesign light = at(ControlKind::Image, kDiceLeft + i * kDiceStep + 23, kDiceTop + 64, 16, 16);
        light.visible = false;
        if (i >= 5) {
            light.left = 0;
            light.picture = "FeuxDés(" + std::to_string(i) + ")";
        }
        m.add("FeuxDés", i, light);
    }
    for (int i = 0; i < 10; ++i) {
        const bool small = i >= 5;
        const int d = i % 5;
        ControlDesign letter =
            small ? at(ControlKind::Label, kDiceLeft + d * kSmallDiceStep, kSmallDiceTop + 30, 28, 16)
                  : at(ControlKind::Label, kDiceLeft + d * kDiceStep + 19, kDiceTop + 82, 24, 18);
        letter.caption = std::string(1, kLetters[d]);
        letter.visible = false;
        letter.bold = true;
        letter.fontsize = small ? 8 : 10;
        letter.transparent = true;
        letter.forecolor = Color{244, 238, 214};  // light on the green of the dice tray
        m.add("Lettres", i, letter);
    }
    for (int i = 0; i < 5; ++i) {
        ControlDesign small = at(ControlKind::Image, kDiceLeft + i * kSmallDiceStep, kSmallDiceTop, 28, 28);
        small.visible = false;
        m.add("NégocieDés2", i, small);
    }
    for (int i = 0; i < 5; ++i) {
        ControlDesign zone = at(ControlKind::Image, kDiceLeft + i * kSmallDiceStep, kSmallDiceTop, 28, 28);
        zone.transparent = true;
        m.add("Choixdés2", i, zone);
    }
    for (int set = 1; set <= 3; ++set) {
        for (int face = 1; face <= 6; ++face) {
            addStore(m, "GrosDésImage", set * 10 + face);
            addStore(m, "PetitsDésImage", set * 10 + face);
        }
    }
}

void addTurnControls(ControlModel& m) {
    ControlDesign ok = at(ControlKind::ImageButton, 224, 146, 104, 48);
    ok.caption = " OK ";
    ok.fontsize = 16;
    ok.bold = true;
    ok.backcolor = Color{252, 247, 232};  // ivory on the green of the dice tray
    ok.forecolor = Color{32, 64, 112};
    m.add("Ok", ok);

    ControlDesign undo = at(ControlKind::ImageButton, 336, 146, 68, 22);
    undo.caption = "Retour";
    undo.backcolor = Color{255, 221, 64};  // the yellow panel of the guidance texts
    undo.visible = false;
    undo.fontsize = 9;
    m.add("Retour", undo);

    ControlDesign cross = at(ControlKind::ImageButton, 336, 172, 68, 22);
    cross.caption = "X";
    cross.forecolor = colors::red;
    cross.bold = true;
    cross.fontsize = 12;
    cross.visible = false;
    m.add("Zéro", cross);

    ControlDesign info = at(ControlKind::Label, 24, 620, 120, 20);
    info.fontsize = 10;
    info.bold = true;
    info.align = Align::Left;
    info.backcolor = Color{240, 236, 220};
    info.caption = "  ";
    info.visible = false;  // part of the information panel
    m.add("Tirage_No", info);
    info.left = px(150);
    info.caption = "";
    m.add("TotalDés", info);
    info.left = px(276);
    info.visible = false;
    info.width = px(140);
    m.add("TotalFigure", info);
}

ControlDesign panelText(int leftPx, int topPx, int widthPx, int heightPx, int size = 9) {
    ControlDesign d = at(ControlKind::Label, leftPx, topPx, widthPx, heightPx);
    d.fontsize = size;
    d.backcolor = Color{240, 236, 220};
    d.align = Align::Left;
    d.visible = false;  // the panel starts hidden; the saved set-up shows it
    return d;
}

// The information panel: ranking, counters, clock and the statistics table.
void addInformationPanel(ControlModel& m) {
    // The first-place picture; its visibility is that of the whole panel.
    ControlDesign first = at(ControlKind::PictureBox, 74, 214, 40, 40);
    first.backcolor = Color{240, 236, 220};
    first.visible = false;
    m.add("Premier", first);
    ControlDesign firstText = panelText(118, 214, 298, 40, 9);
    firstText.bold = true;
    firstText.visible = true;  // laid over the first place; says nothing while the panel is hidden
    firstText.transparent = true;
    m.add("PremierInfos", firstText);

    constexpr int kRankTop = 262, kRankStep = 18;
    for (int i = 0; i < 10; ++i) {
        const int top = kRankTop + i * kRankStep;
        ControlDesign rank = panelText(24, top, 22, 16);
        rank.caption = std::to_string(i + 1);
        rank.align = Align::Right;
        m.add("Rang", i, rank);
        m.add("NomsScore", i, panelText(50, top, 82, 16));
        m.add("LadateScore", i, panelText(134, top, 70, 16));
        ControlDesign score = panelText(206, top, 44, 16);
        score.align = Align::Right;
        m.add("ScoresScore", i, score);
    }
    const char* const counters[] = {"PartiesJouées", "PartiesAbandonnées", "PartiesIndividuellesJouées",
                                    "IndividuelAbandon"};
    for (int i = 0; i < 4; ++i) {
        ControlDesign d = panelText(24, 450 + i * 18, 226, 16, 8);
        m.add(counters[i], d);
    }

    // Seventeen rows: faces, figures, the odds, then the column titles.
    const char* const headings[] = {" 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 ", "XX", "F", "C",
                                    "Y",   "CS",  "YS",  " S ", " F ", " C ", " Y ", "TIRAGE NO"};
    constexpr int kStatsTop = 262, kStatsStep = 16;
    for (int r = 0; r <= 16; ++r) {
        const int top = r == 16 ? kStatsTop - kStatsStep - 2 : kStatsTop + r * kStatsStep + (r >= 12 ? 6 : 0);
        // The title row's long heading takes the room its short "%" leaves.
        const int headingWidth = r == 16 ? 74 : 48;
        ControlDesign head = panelText(258, top, headingWidth, 15, 8);
        head.caption = headings[r];
        head.bold = true;
        m.add("Stats", r, head);
        ControlDesign game = panelText(260 + headingWidth, top, 98 - headingWidth, 15, 8);
        game.align = Align::Right;
        game.caption = r == 16 ? "%" : r < 12 ? "0" : "";
        m.add("Stats2", r, game);
        ControlDesign ever = panelText(360, top, 56, 15, 8);
        ever.align = Align::Right;
        ever.caption = r == 16 ? "1/?" : r < 12 ? "0" : "";
        m.add("Stats3", r, ever);
    }

    ControlDesign clock = panelText(24, 540, 90, 18, 9);
    clock.bold = true;
    m.add("Jour", clock);
    clock.left = px(118);
    m.add("LaDate", clock);
    clock.left = px(212);
    m.add("Heure", clock);
    clock.left = px(306);
    clock.width = px(20);
    clock.align = Align::Center;
    m.add("CoupInfo", clock);

    ControlDesign timer;
    timer.kind = ControlKind::Timer;
    timer.visible = false;
    timer.interval = 1000;
    m.add("Timer1", timer);
}

// The ways of playing and the player's name.
void addPlayerControls(ControlModel& m) {
    ControlDesign way = at(ControlKind::ImageButton, 24, 580, 120, 30);
    way.caption = "1 tirage";
    way.fontsize = 11;
    way.bold = true;
    m.add("Coup1", way);
    way.left = px(150);
    way.caption = "2 tirages";
    m.add("Coup2", way);
    // Above the banner, under the clock's row.
    ControlDesign name = panelText(276, 560, 140, 28, 12);
    name.visible = true;  // the player's name stays with the character, panel or not
    name.bold = true;
    name.align = Align::Center;
    m.add("Nom", name);
}

void addBubble(ControlModel& m) {
    ControlDesign bubble = at(ControlKind::Label, 0, 0, 0, 0);
    bubble.left = -300;
    bubble.top = 15;
    bubble.height = px(24);
    bubble.font = "Arial";
    bubble.bold = true;
    bubble.fontsize = 13;
    bubble.autosize = true;
    bubble.align = Align::Left;
    bubble.backcolor = colors::activeZone;
    bubble.forecolor = colors::white;
    m.add("Infos", bubble);
}

}  // namespace

SheetGeometry sheetGeometry() {
    return {kCellLeft, cellTop(0), kCellWidth, kCellHeight, kColumnStep, kHeadingWidth};
}

void addCharacters(ControlModel& m);
void addToolBar(ControlModel& m);
void addRulesPanel(ControlModel& m);
void addWebPanels(ControlModel& m);

void buildMainWindow(ControlModel& m) {
    if (m.hasName("Ok")) return;
    // The window itself: its size and its state, minimised or not.
    ControlDesign form = at(ControlKind::Form, 0, 0, kWindowWidth, kWindowHeight);
    m.add(kWindowFormName, form);
    addSheetHeadings(m);
    addTotals(m);
    addCells(m);
    addPointers(m);
    addDice(m);
    addTurnControls(m);
    addInformationPanel(m);
    addPlayerControls(m);
    addCharacters(m);
    addToolBar(m);
    addRulesPanel(m);
    addWebPanels(m);
    addBubble(m);  // last: drawn above everything
}

}  // namespace dravonelle
