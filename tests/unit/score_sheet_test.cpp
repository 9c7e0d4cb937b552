#include <gtest/gtest.h>

#include <set>

#include "rules/sheet_index.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

std::set<int> openScoringCells(const WindowFixture& w) {
    std::set<int> open;
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        if (!w.closed(k)) open.insert(k);
    }
    return open;
}

std::set<int> expectedOpenAtStart() {
    std::set<int> open{0, 30};
    for (int c : {sheet::Libre, sheet::Sèche, sheet::Annonce}) {
        for (int r : sheet::kRows) open.insert(sheet::cell(c, r));
    }
    return open;
}

void expectFreshSheet(WindowFixture& w) {
    EXPECT_EQ(openScoringCells(w), expectedOpenAtStart());
    EXPECT_EQ(openScoringCells(w).size(), 41u);
    for (int k = 0; k <= sheet::kLastSheetCell; ++k) {
        EXPECT_EQ(w.jeu.Cases(k).caption(), "   ") << k;
        if (sheet::isPlaceholder(k)) {
            EXPECT_TRUE(w.closed(k)) << k;
            EXPECT_FALSE(w.jeu.Cases(k).visible()) << k;
        }
    }
    for (int i = 0; i < 15; ++i) EXPECT_EQ(w.total(i), i % 3 == 2 ? "0" : "   ") << i;
    EXPECT_EQ(w.total(15), "0");
}

TEST(ScoreSheet, FreshWindowHoldsTheSheetOfANewGame) {
    WindowFixture w;
    expectFreshSheet(w);
    // Until the first OK arms it, cell 0 stays disabled.
    EXPECT_FALSE(w.jeu.Cases(0).enabled());
}

TEST(ScoreSheet, FreshWindowHoldsTheFieldsOfANewGame) {
    WindowFixture w;
    // A zero here would read as a chosen cell and make the first OK a second
    // draw.
    EXPECT_EQ(w.jeu.CaseTirage1, -1);
    EXPECT_EQ(w.jeu.CaseTirage2, -1);
    EXPECT_EQ(w.jeu.PointsTirage1, -1);
    EXPECT_EQ(w.jeu.PointsTirage2, -1);
    EXPECT_EQ(w.jeu.CaseÉvaluée, -1);
    EXPECT_EQ(w.jeu.CaseAnnoncée, 0);
    EXPECT_EQ(w.jeu.AnnonceAuto, 0);
    EXPECT_EQ(w.jeu.NuméroJet, 0);
    EXPECT_EQ(w.jeu.NuméroTirage, 0);
    EXPECT_FALSE(w.jeu.TourJoué || w.jeu.ChoixBloqué || w.jeu.ChoixValeur29 || w.jeu.PartieEnCours);
    EXPECT_TRUE(w.jeu.FigureTirage1.empty() && w.jeu.FigureTirage2.empty());
    for (bool kept : w.jeu.DésGardés) EXPECT_FALSE(kept);
}

TEST(ScoreSheet, ResetAfterPlayGivesTheFreshSheetBack) {
    WindowFixture w;
    for (int k : {0, 1, 30, 40, 62, 78}) {
        w.write(k, "12");
        w.jeu.CaseFermée[static_cast<std::size_t>(k)] = true;
    }
    w.jeu.Totaux(2).setCaption("57");
    w.jeu.Totaux(15).setCaption("57");
    w.jeu.CaseTirage1 = 33;
    w.jeu.TourJoué = true;
    w.jeu.Retour.show();
    w.jeu.RemiseÀZéroFeuille();
    expectFreshSheet(w);
    EXPECT_EQ(w.jeu.CaseTirage1, -1);
    EXPECT_FALSE(w.jeu.TourJoué);
    EXPECT_FALSE(w.jeu.Retour.visible());
}

TEST(ScoreSheet, ArmedResetShowsOnlyTheCellsAPlayerMayReach) {
    WindowFixture w;
    w.jeu.Cases(0).setEnabled(true);
    for (int k = 0; k < sheet::kLastSheetCell; ++k) w.jeu.Cases(k).hide();
    w.jeu.RemiseÀZéroFeuille();
    for (int k = 0; k <= 82; ++k) {
        const bool shown = k == 0 || (k >= 30 && sheet::isScoringCell(k));
        EXPECT_EQ(w.jeu.Cases(k).visible(), shown) << k;
    }
}

// Fills the six number cells of column c with the given points.
void writeNumbers(WindowFixture& w, int c, const std::array<int, 6>& points) {
    for (int r = 0; r < 6; ++r) w.write(sheet::cell(c, r), std::to_string(points[static_cast<std::size_t>(r)]));
}

TEST(ScoreSheet, NumbersCountOnlyOnceTheSixthCellIsWritten) {
    WindowFixture w;
    writeNumbers(w, sheet::Montée, {3, 0, 0, 0, 0, 0});
    w.write(sheet::cell(sheet::Montée, 5), "   ");
    w.jeu.DernièreCase = sheet::cell(sheet::Montée, 4);
    w.jeu.Tbt();
    EXPECT_EQ(w.total(3), "   ");
    EXPECT_EQ(w.total(4), "   ");
    EXPECT_EQ(w.total(5), "0");

    w.write(sheet::cell(sheet::Montée, 5), "0");
    w.jeu.DernièreCase = sheet::cell(sheet::Montée, 5);
    w.jeu.Tbt();
    EXPECT_EQ(w.total(3), "90");
    EXPECT_EQ(w.total(4), "18");
    EXPECT_EQ(w.total(5), "108");
    EXPECT_EQ(w.total(15), "108");
}

TEST(ScoreSheet, MalusAndFiguresAddToColumnAndGrandTotal) {
    WindowFixture w;
    writeNumbers(w, sheet::Annonce, {0, -6, 0, 0, -5, 0});
    w.jeu.DernièreCase = sheet::cell(sheet::Annonce, 1);
    w.jeu.Tbt();
    EXPECT_EQ(w.total(12), "0");
    EXPECT_EQ(w.total(13), "-6");
    EXPECT_EQ(w.total(14), "-6");

    w.write(72, "45");
    w.jeu.DernièreCase = 72;
    w.jeu.Points = 45;
    w.jeu.Tbt();
    EXPECT_EQ(w.total(14), "39");
    EXPECT_EQ(w.total(15), "39");
    // A figure worth nothing ("XXX") adds nothing.
    w.write(42, "XXX");
    w.jeu.DernièreCase = 42;
    w.jeu.Points = 0;
    w.jeu.Tbt();
    EXPECT_EQ(w.total(8), "0");
    EXPECT_EQ(w.total(15), "39");
}

TEST(ValeurCase, NamesTheFigureAndFlagsFirstThrowFigures) {
    WindowFixture w;
    w.jeu.Premier.show();  // the information panel is shown
    w.jeu.Dés = {4, 4, 1, 4, 4};
    w.jeu.CaseÉvaluée = 3;  // Descente fours
    w.jeu.JetDuRésultat = 1;
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.Points, 4);
    EXPECT_EQ(w.jeu.TotalFigure.caption(), "CARRE = 56");
    EXPECT_TRUE(w.jeu.TotalFigure.visible());
    EXPECT_EQ(w.jeu.CarréSec, 1);
    EXPECT_EQ(w.jeu.YamSec, 0);

    // In the second draw of a turn the first-throw figure counts as 2; a
    // hidden information panel keeps the figure out of sight.
    w.jeu.Premier.hide();
    w.jeu.CaseTirage2 = 40;
    w.jeu.Dés = {2, 2, 2, 2, 2};
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.YamSec, 2);
    EXPECT_FALSE(w.jeu.TotalFigure.visible());

    // Later throws leave the flags as they were.
    w.jeu.JetDuRésultat = 2;
    w.jeu.CarréSec = w.jeu.YamSec = 0;
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.CarréSec + w.jeu.YamSec, 0);
}

TEST(ValeurCase, OrderRuleReadsTheNeighboursOnTheSheet) {
    WindowFixture w;
    w.jeu.Dés = {6, 6, 5, 5, 4};  // 26
    w.write(44, "20");            // Libre Egal
    w.jeu.CaseFermée[44] = true;
    w.jeu.CaseÉvaluée = 43;  // Libre Maxi
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.Points, 26);
    w.write(44, "26");
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.Points, 0);
    // A cross no longer constrains.
    w.write(44, "XXX");
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.Points, 26);
}

TEST(ValeurCase, PreviewPhraseAndMarksOnlyOnceThrown) {
    WindowFixture w;
    w.jeu.Dés = {1, 1, 1, 4, 6};
    w.jeu.CaseÉvaluée = 32;
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.MessageCase, "");
    EXPECT_FALSE(w.jeu.Pointeur(2).visible());
    w.jeu.NuméroJet = 1;
    w.jeu.ValeurCase();
    EXPECT_EQ(w.jeu.MessageCase, " 3 aux As de la Libre ");
    EXPECT_TRUE(w.jeu.Pointeur(2).visible());
    EXPECT_TRUE(w.jeu.Pointeur(5).visible());
}

}  // namespace
}  // namespace dravonelle
