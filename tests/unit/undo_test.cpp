// The yellow panel on a sheet set up by hand: what each kind of result gives
// back to the totals, and the cell each column closes again.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "window_fixture.h"

namespace dravonelle {
namespace {

// A result just placed in "1 tirage" at the first throw, with the panel
// offered.
void placé(WindowFixture& w, int c, const std::string& text, int points) {
    JeuYam& j = w.jeu;
    j.ModeTirage = 1;
    j.NuméroTirage = 5;
    j.JetDuRésultat = 1;
    j.CaseAnnulable = j.DernièreCase = c;
    j.Points = points;
    j.CaseFermée[static_cast<std::size_t>(c)] = true;
    w.write(c, text);
    j.Retour.show();
}

TEST(Undo, GivesBackWhatTheResultAddedToTheTotals) {
    struct Case {
        const char* what;
        int cell;
        const char* text;
        int points;
        const char* total;  // Totaux(3k), then 3k + 1, 3k + 2 and 15 before
        const char* bonus;
        int column, grand;
        const char* totalAfter;
        const char* bonusAfter;
        int columnAfter, grandAfter;
    };
    const Case cases[] = {
        {"a number cell, column incomplete", 33, "-6", -6, "   ", "   ", 80, 200, "   ", "   ", 80, 200},
        {"the sixth number cell, with a bonus", 37, "6", 6, "90", "18", 150, 300, "   ", "   ", 42, 192},
        {"the sixth number cell, with a malus", 21, "-12", -12, "0", "-6", 10, 40, "   ", "   ", 16, 46},
        {"the sixth number cell, nothing added", 2, "0", 0, "90", "0", 90, 90, "   ", "   ", 0, 0},
        {"a figure", 41, "39", 39, "90", "18", 150, 300, "90", "18", 111, 261},
        {"a figure worth nothing", 40, "XXX", 0, "   ", "   ", 20, 20, "   ", "   ", 20, 20},
        {"a crossed Maxi", 11, "XXX", 26, "   ", "   ", 20, 20, "   ", "   ", 20, 20},
        {"a Sèche figure", 57, "39", 39, "   ", "   ", 39, 100, "   ", "   ", 0, 61},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowFixture w;
        const int k = c.cell / 16;
        placé(w, c.cell, c.text, c.points);
        w.jeu.Totaux(3 * k).setCaption(c.total);
        w.jeu.Totaux(3 * k + 1).setCaption(c.bonus);
        w.jeu.Totaux(3 * k + 2).setCaption(std::to_string(c.column));
        w.jeu.Totaux(15).setCaption(std::to_string(c.grand));
        w.jeu.handle(Event::click("Retour"));
        EXPECT_EQ(w.total(3 * k), c.totalAfter);
        EXPECT_EQ(w.total(3 * k + 1), c.bonusAfter);
        EXPECT_EQ(w.total(3 * k + 2), std::to_string(c.columnAfter));
        EXPECT_EQ(w.total(15), std::to_string(c.grandAfter));
        EXPECT_EQ(w.jeu.Cases(c.cell).caption(), "   ");
        EXPECT_FALSE(w.closed(c.cell));
        EXPECT_FALSE(w.jeu.Retour.visible());
    }
}

// In "2 tirages" a provisional choice has placed nothing: nothing comes off.
TEST(Undo, AProvisionalChoiceLeavesTheTotals) {
    WindowFixture w;
    placé(w, 37, "6", 6);
    w.jeu.ModeTirage = 2;
    w.jeu.CaseFermée[37] = false;
    w.jeu.CaseTirage1 = 37;
    w.jeu.PointsTirage1 = 6;
    w.jeu.Totaux(6).setCaption("90");
    w.jeu.Totaux(8).setCaption("150");
    w.jeu.handle(Event::click("Retour"));
    EXPECT_EQ(w.total(6), "90");
    EXPECT_EQ(w.total(8), "150");
    EXPECT_EQ(w.jeu.CaseTirage1, -1);
    EXPECT_EQ(w.jeu.PointsTirage1, -1);
}

TEST(Undo, ClosesAgainTheCellItsColumnOpened) {
    struct Case {
        int cell;
        int opened;  // -1: the column opened nothing
    };
    const Case cases[] = {{0, 1},   {5, 8},   {13, 14}, {14, -1}, {30, 29},
                          {24, 21}, {17, 16}, {16, -1}, {40, -1}, {56, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        WindowFixture w;
        placé(w, c.cell, "20", 20);
        if (c.opened >= 0) w.jeu.OuvreCase(c.opened);
        // Whatever the column, nothing else is opened or closed.
        std::array<bool, sheet::kCellCount> before = w.jeu.CaseFermée;
        w.jeu.Retour_Click();
        before[static_cast<std::size_t>(c.cell)] = false;
        if (c.opened >= 0) {
            before[static_cast<std::size_t>(c.opened)] = true;
            EXPECT_FALSE(w.jeu.Cases(c.opened).visible());
        }
        EXPECT_EQ(w.jeu.CaseFermée, before);
    }
}

}  // namespace
}  // namespace dravonelle
