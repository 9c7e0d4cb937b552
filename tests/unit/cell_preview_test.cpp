// The sheet under the pointer: what the bubble says over a cell in each state
// of the turn, the preview with the bubble off, and the hover texts of the
// cross and of the yellow panel.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace dravonelle {
namespace {

constexpr const char* kOccupée = " Case déja occupée ";

// The states the sheet alone speaks of; those it shares with OK and the dice
// are in guidance_test, those the scenarios play through in preview_*.
TEST(CellMessage, FollowsTheTurn) {
    expectSaid("Cases", 32,
               {
                   {"before the first throw, nothing to say", [](JeuYam& j) { turn(j, 1, 1, 0); }, kAvant},
                   {"an announcement pending over a closed cell",
                    [](JeuYam& j) {
                        turn(j, 1, 5, 1);
                        j.CaseAnnoncée = 64;
                        fermée(j, 32, "3");
                    },
                    kOccupée},
               });
    expectSaid("Cases", 82,
               {{"two values of Montée's Mini, over the second button",
                 [](JeuYam& j) {
                     turn(j, 2, 5, 0);
                     twoValues(j, "12", "18");
                 },
                 " Cliquez pour sélectionner 18"}});
    expectSaid("Cases", 73,
               {{"the Annonce cell the game will announce",
                 [](JeuYam& j) {
                     turn(j, 1, 50, 1);
                     j.ChoixAuto = true;
                     j.AnnonceAuto = 73;
                 },
                 " Cliquer est inutile. Case détectée au 2ème jet "}});
    expectSaid("Cases", 48,
               {{"a Sèche cell beside the automatic announcement",
                 [](JeuYam& j) {
                     turn(j, 1, 50, 1);
                     j.DerniersCoupsSecs = true;
                     j.ChoixAuto = true;
                     j.AnnonceAuto = 73;
                 },
                 " Cliquez pour sélectionner 3 aux As de la Sèche "}});
}

TEST(CellMessage, AnEndedGameTakesTheBubbleAway) {
    WindowFixture w;
    w.showBefore(kAvant);
    w.jeu.Ok.setEnabled(false);
    w.jeu.Cases_MouseMove(32);
    EXPECT_EQ(w.shown(), "");
    EXPECT_EQ(w.jeu.Infos.left(), -300);
    EXPECT_EQ(w.jeu.MessagePrécédent, "");
}

// With the bubble off the cell still shows its would-be points; neither the
// frames nor the bubble move.
TEST(CellPreview, WithTheBubbleOffOnlyTheCellSpeaks) {
    WindowFixture w;
    JeuYam& j = w.jeu;
    j.SansBulles = true;
    w.showBefore(kAvant);
    turn(j, 1, 1, 1);
    j.Dés = {1, 1, 1, 4, 6};
    j.Cases_MouseMove(32);
    EXPECT_EQ(j.Cases(32).caption(), "3");
    EXPECT_EQ(j.Cases(32).forecolor(), colors::blue);
    EXPECT_TRUE(j.Cases(32).highlight());
    EXPECT_EQ(j.CaseÉvaluée, 32);
    for (int i : {2, 5}) EXPECT_FALSE(j.Pointeur(i).visible()) << i;
    EXPECT_EQ(j.Infos.caption(), kAvant);

    j.Cases_MouseMove(40);
    EXPECT_EQ(j.Cases(32).caption(), "   ");
    EXPECT_FALSE(j.Cases(32).highlight());
    EXPECT_EQ(j.Cases(40).caption(), "XXX");
    EXPECT_EQ(j.Infos.caption(), kAvant);
}

// A preview left on a cell (the pointer went straight to OK) is cleared by
// the next cell, even with the bubble on: the frames go with it.
TEST(CellPreview, TheNextCellClearsTheFramesOfThePrevious) {
    WindowFixture w;
    JeuYam& j = w.jeu;
    turn(j, 1, 1, 1);
    j.Dés = {1, 1, 1, 4, 6};
    j.Cases_MouseMove(32);
    EXPECT_TRUE(j.Pointeur(2).visible());
    EXPECT_TRUE(j.Pointeur(5).visible());
    j.Cases_MouseMove(1);  // a closed Descente cell: no preview of its own
    EXPECT_EQ(j.Cases(32).caption(), "   ");
    EXPECT_FALSE(j.Pointeur(2).visible());
    EXPECT_FALSE(j.Pointeur(5).visible());
    EXPECT_EQ(j.CaseÉvaluée, -1);
}

// The yellow panel's own text is played through in preview_sheet.
TEST(ToolHover, CrossAndYellowPanelExplainThemselves) {
    const auto off = [](JeuYam& j) { j.SansBulles = true; };
    expectSaid("Zéro", -1,
               {{"bubble on", [](JeuYam&) {},
                 " Cliquez pour marquer 0, sinon cliquez sur OK pour le tirage suivant "},
                {"bubble off", off, kAvant}});
    expectSaid("Retour", -1, {{"bubble off", off, kAvant}});
}

}  // namespace
}  // namespace dravonelle
