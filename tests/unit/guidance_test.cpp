// The bubble over the zones the player clicks to play: OK, the dice, the two
// ways of playing, and the sheet where a choice waits or the game chose by
// itself. Each table row is a state of the turn and what the bubble must say
// there; the states every zone explains alike are run over every zone.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "window/bubble_texts.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

constexpr const char* kLancer = " Pour le tirage des Dés, cliquez sur OK, appuyez sur Return ou Space ";
constexpr const char* kCroix =
    " Cliquez sur la croix pour marquer 0 sinon cliquez sur OK pour le tirage suivant ";
constexpr const char* kSuivant = " Sélection détectée et enregistrée ! Cliquez pour le tirage suivant ";
constexpr const char* kFinir = " Sélection détectée et enregistrée ! Cliquez pour finir la partie ";
constexpr const char* kDeuxième = " Sélection détectée et enregistrée ! Cliquez pour le 2ème tirage ";
constexpr const char* kDernier =
    " Sélection détectée ! Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez "
    "sur OK ";
constexpr const char* kPremier =
    " Si vous préférez le premier tirage, cliquez sur 3 (ou 'Space') sans sélectionner le second ";
constexpr const char* kSélectionnez = " Sélectionnez une case ";
constexpr const char* kImpossible = " 2ème jet impossible. Sélectionnez une case ";

// Both draws of a "2 tirages" turn tied, waiting for the player.
void deuxTiragesLiés(JeuYam& j, int tirage, int case1, int case2) {
    turn(j, 2, tirage, 0);
    j.CaseTirage1 = case1;
    j.CaseTirage2 = case2;
    j.PointsTirage1 = 10;
    j.PointsTirage2 = 12;
}

// A choice the player still has to make is said the same over OK, both
// pictures of a die and the sheet; the sheet's cell is a closed one, which
// says nothing of its own before these.
TEST(PlayZones, AWaitingChoiceIsSaidAlikeEverywhere) {
    struct Zone {
        const char* name;
        int index;
    };
    for (const Zone& z : {Zone{"Ok", -1}, Zone{"ChoixDés", 3}, Zone{"Choixdés2", 3}, Zone{"Cases", 11}}) {
        const auto at = [&z](std::function<void(JeuYam&)> state) {
            return [&z, state](JeuYam& j) {
                if (std::string(z.name) == "Cases") fermée(j, 11, "26");
                state(j);
            };
        };
        expectSaid(
            z.name, z.index,
            {
                {"double choice, the panel offered", at([](JeuYam& j) {
                     twoValues(j, "12", "9");
                     j.Retour.show();
                 }),
                 " Cliquez sur 12 ou 9 "},
                {"double choice, a negative value", at([](JeuYam& j) { twoValues(j, "-4", "0"); }),
                 " Cliquez sur-4 ou 0 "},
                {"cross offered", at([](JeuYam& j) {
                     turn(j, 1, 5, 1);
                     j.Zéro.show();
                 }),
                 kCroix},
                {"both draws on one cell", at([](JeuYam& j) { deuxTiragesLiés(j, 12, 40, 40); }),
                 " Cliquez sur OK pour valider le tirage et procéder au tirage suivant "},
                {"both draws on one cell, last turn", at([](JeuYam& j) { deuxTiragesLiés(j, 65, 40, 40); }),
                 " Cliquez sur OK pour valider le tirage et terminer la partie "},
                {"both draws on two cells", at([](JeuYam& j) { deuxTiragesLiés(j, 65, 40, 41); }),
                 " Cliquez sur l'une des 2 cases de votre choix "},
            });
    }
}

// When the game chose the cell itself, OK, an open cell of the sheet and the
// window background tell what OK does next. A state with nothing of its own
// to say leaves OK its usual text, the cell silent and the background its
// credit line; the background says "Tirage" where the others say
// "Sélection" before the second draw of an announced cell.
TEST(PlayZones, AnAutomaticChoiceIsSaidAlikeEverywhere) {
    struct Auto {
        const char* what;
        std::function<void(JeuYam&)> state;
        const char* text;  // empty: nothing of its own
        const char* background = nullptr;
    };
    const auto annoncée = [](int tirage, int jet, int mode = 1) {
        return [=](JeuYam& j) {
            turn(j, mode, tirage, jet);
            j.CaseAnnoncée = 70;
        };
    };
    const Auto cases[] = {
        {"no announcement", [](JeuYam& j) { turn(j, 1, 50, 0); }, kSuivant},
        {"no announcement, the game will announce",
         [](JeuYam& j) {
             turn(j, 1, 50, 2);
             j.AnnonceAuto = 60;
         },
         ""},
        {"no announcement, 2 tirages, first draw", [](JeuYam& j) { turn(j, 2, 50, 0); }, kDeuxième},
        {"no announcement, last turn, second draw tied",
         [](JeuYam& j) {
             turn(j, 2, 65, 1);
             j.CaseTirage1 = j.CaseTirage2 = 40;
         },
         kFinir},
        {"announced, first throw", annoncée(50, 1), ""},
        {"announced, second throw", annoncée(50, 2), kDernier},
        {"announced, third throw", annoncée(50, 3), kSuivant},
        {"announced, draw over", annoncée(50, 0), kSuivant},
        {"announced, last turn", annoncée(65, 0), kFinir},
        {"announced, last turn, second throw", annoncée(65, 2), kDernier},
        {"announced, 2 tirages, first draw", annoncée(50, 0, 2), kDeuxième,
         " Tirage détecté et enregistré ! Cliquez pour le 2ème tirage "},
    };
    for (const Auto& c : cases) {
        const bool silent = *c.text == '\0';
        const auto state = [&c](JeuYam& j) {
            c.state(j);
            j.ChoixAuto = true;
        };
        expectSaid("Ok", -1, {{c.what, state, silent ? kLancer : c.text}});
        expectSaid("Cases", 40, {{c.what, state, silent ? kAvant : c.text}});

        SCOPED_TRACE(std::string("background: ") + c.what);
        WindowFixture w;
        state(w.jeu);
        w.move(kWindowName);
        EXPECT_EQ(w.shown(), c.background ? c.background : silent ? kCrédit : c.text);
        EXPECT_EQ(w.jeu.Infos.backcolor(), silent ? colors::creditLine : colors::activeZone);
        EXPECT_EQ(w.jeu.MessageChoisi, silent ? 0 : 1);
    }
}

// bubble_first_throw shows OK's text before and after a throw, and the
// dice's as they are kept and released.
TEST(OkGuidance, FollowsTheTurn) {
    expectSaid("Ok", -1,
               {
                   {"third throw", [](JeuYam& j) { turn(j, 1, 4, 3); }, kSélectionnez},
                   {"third throw, 2 tirages, second draw",
                    [](JeuYam& j) {
                        turn(j, 2, 4, 3);
                        j.CaseTirage1 = 40;
                        j.PointsTirage1 = 20;
                    },
                    kPremier},
                   {"third throw, 2 tirages, first draw", [](JeuYam& j) { turn(j, 2, 4, 3); }, kSélectionnez},
                   {"both draws, turn settled",
                    [](JeuYam& j) {
                        deuxTiragesLiés(j, 12, 40, 41);
                        j.TourJoué = true;
                    },
                    kLancer},
                   {"only the first throw",
                    [](JeuYam& j) {
                        turn(j, 1, 50, 1);
                        j.DerniersCoupsSecs = true;
                    },
                    kImpossible},
                   {"only the first throw, even with the cross offered",
                    [](JeuYam& j) {
                        turn(j, 1, 50, 1);
                        j.DerniersCoupsSecs = true;
                        j.Zéro.show();
                    },
                    kImpossible},
                   {"only the first throw, but a cell is announced",
                    [](JeuYam& j) {
                        turn(j, 1, 50, 1);
                        j.DerniersCoupsSecs = true;
                        j.CaseAnnoncée = 70;
                    },
                    kLancer},
                   {"bubble off", [](JeuYam& j) { j.SansBulles = true; }, kAvant},
               });
}

TEST(DiceGuidance, FollowsTheDieAndTheTurn) {
    for (const char* zone : {"ChoixDés", "Choixdés2"}) {
        expectSaid(zone, 3,
                   {
                       {"before the first throw", [](JeuYam&) {}, " Cliquez sur OK pour lancer les Dés "},
                       {"undo offered", [](JeuYam& j) { j.Retour.show(); },
                        " Si erreur Cliquez sur le panneau jaune ou sur OK pour coup suivant "},
                       {"third throw", [](JeuYam& j) { turn(j, 1, 3, 3); }, kSélectionnez},
                       {"third throw, second draw",
                        [](JeuYam& j) {
                            turn(j, 2, 3, 3);
                            j.CaseTirage1 = 40;
                        },
                        kPremier},
                       {"both draws, undo offered",
                        [](JeuYam& j) {
                            deuxTiragesLiés(j, 12, 40, 41);
                            j.Retour.show();
                        },
                        " Cliquez sur l'une des 2 cases de votre choix "},
                       {"game over", [](JeuYam& j) { j.Ok.setEnabled(false); }, kAvant},
                       {"bubble off", [](JeuYam& j) { j.SansBulles = true; }, kAvant},
                   });
    }
}

// The texts the scenarios leave out: a locked choice, the way not chosen.
TEST(WayOfPlayingGuidance, NamesTheWayChosenAndTheLock) {
    const auto mode = [](int m, bool locked) {
        return [=](JeuYam& j) {
            j.ModeTirage = m;
            j.Verrouillé = locked;
        };
    };
    expectSaid(
        "Coup1", -1,
        {{"chosen and locked", mode(1, true),
          " 1 Tirage Sélectionné (vérrouillé). Pour déverrouiller cet outil, cliquez sur le feu rouge "},
         {"bubble off", [](JeuYam& j) { j.SansBulles = true; }, kAvant}});
    expectSaid("Coup2", -1, {{"the other way", mode(1, false), " 2 Tirages "}});
}

}  // namespace
}  // namespace dravonelle
