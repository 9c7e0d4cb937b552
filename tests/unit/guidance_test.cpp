// The bubble over the zones the player clicks to play: OK, the dice, the two
// ways of playing. Each table row is a state of the turn and what the bubble
// must say there.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "window_fixture.h"

namespace dravonelle {
namespace {

struct Guidance {
    const char* what;
    std::function<void(JeuYam&)> state;
    const char* text;
};

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
constexpr const char* kValiderSuivant =
    " Cliquez sur OK pour valider le tirage et procéder au tirage suivant ";
constexpr const char* kValiderFin = " Cliquez sur OK pour valider le tirage et terminer la partie ";
constexpr const char* kL_uneDes2 = " Cliquez sur l'une des 2 cases de votre choix ";
constexpr const char* kImpossible = " 2ème jet impossible. Sélectionnez une case ";

void turn(JeuYam& j, int mode, int tirage, int jet) {
    j.ModeTirage = mode;
    j.NuméroTirage = tirage;
    j.NuméroJet = jet;
    j.PartieEnCours = true;
}

// The two values of a double choice on cell 29.
void deuxValeurs(JeuYam& j, const char* a, const char* b) {
    j.Cases(81).setCaption(a);
    j.Cases(82).setCaption(b);
    j.Cases(81).show();
    j.Cases(82).show();
}

// Both draws of a "2 tirages" turn tied, waiting for the player.
void deuxTiragesLiés(JeuYam& j, int tirage, int case1, int case2) {
    turn(j, 2, tirage, 0);
    j.CaseTirage1 = case1;
    j.CaseTirage2 = case2;
    j.PointsTirage1 = 10;
    j.PointsTirage2 = 12;
}

std::string hover(WindowFixture& w, const char* name, int index, const Guidance& g) {
    g.state(w.jeu);
    w.jeu.handle(Event::move(name, index));
    return w.jeu.Infos.caption();
}

void expectTexts(const char* name, int index, std::initializer_list<Guidance> cases) {
    for (const Guidance& g : cases) {
        SCOPED_TRACE(g.what);
        WindowFixture w;
        EXPECT_EQ(hover(w, name, index, g), g.text);
        if (*g.text) {
            EXPECT_EQ(w.jeu.Infos.backcolor(), colors::activeZone);
        }
    }
}

TEST(OkGuidance, FollowsTheTurn) {
    expectTexts(
        "Ok", -1,
        {
            {"fresh window", [](JeuYam&) {}, kLancer},
            {"between throws", [](JeuYam& j) { turn(j, 1, 4, 2); }, kLancer},
            {"double choice", [](JeuYam& j) { deuxValeurs(j, "12", "9"); }, " Cliquez sur 12 ou 9 "},
            {"double choice, a negative value", [](JeuYam& j) { deuxValeurs(j, "-4", "0"); },
             " Cliquez sur-4 ou 0 "},
            {"cross offered", [](JeuYam& j) { j.Zéro.show(); }, kCroix},
            {"third throw", [](JeuYam& j) { turn(j, 1, 4, 3); }, kSélectionnez},
            {"third throw, 2 tirages, second draw",
             [](JeuYam& j) {
                 turn(j, 2, 4, 3);
                 j.CaseTirage1 = 40;
                 j.PointsTirage1 = 20;
             },
             kPremier},
            {"third throw, 2 tirages, first draw", [](JeuYam& j) { turn(j, 2, 4, 3); }, kSélectionnez},
            {"both draws on one cell", [](JeuYam& j) { deuxTiragesLiés(j, 12, 40, 40); }, kValiderSuivant},
            {"both draws on one cell, last turn", [](JeuYam& j) { deuxTiragesLiés(j, 65, 40, 40); },
             kValiderFin},
            {"both draws on two cells", [](JeuYam& j) { deuxTiragesLiés(j, 65, 40, 41); }, kL_uneDes2},
            {"both draws, turn settled",
             [](JeuYam& j) {
                 deuxTiragesLiés(j, 12, 40, 41);
                 j.TourJoué = true;
             },
             kLancer},
            {"automatic choice",
             [](JeuYam& j) {
                 turn(j, 1, 50, 0);
                 j.ChoixAuto = true;
             },
             kSuivant},
            {"automatic choice waiting to be placed",
             [](JeuYam& j) {
                 turn(j, 1, 50, 2);
                 j.ChoixAuto = true;
                 j.AnnonceAuto = 60;
             },
             kLancer},
            {"automatic choice, 2 tirages, first draw",
             [](JeuYam& j) {
                 turn(j, 2, 50, 0);
                 j.ChoixAuto = true;
             },
             kDeuxième},
            {"automatic choice, last turn, second draw tied",
             [](JeuYam& j) {
                 turn(j, 2, 65, 1);
                 j.CaseTirage1 = j.CaseTirage2 = 40;
                 j.ChoixAuto = true;
             },
             kFinir},
            {"announced, automatic, second throw",
             [](JeuYam& j) {
                 turn(j, 1, 50, 2);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kDernier},
            {"announced, automatic, first throw",
             [](JeuYam& j) {
                 turn(j, 1, 50, 1);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kLancer},
            {"announced, automatic, third throw",
             [](JeuYam& j) {
                 turn(j, 1, 50, 3);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kSuivant},
            {"announced, automatic, last turn",
             [](JeuYam& j) {
                 turn(j, 1, 65, 0);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kFinir},
            {"announced, automatic, last turn, second throw",
             [](JeuYam& j) {
                 turn(j, 1, 65, 2);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kDernier},
            {"announced, automatic, 2 tirages, first draw",
             [](JeuYam& j) {
                 turn(j, 2, 50, 0);
                 j.CaseAnnoncée = 70;
                 j.ChoixAuto = true;
             },
             kDeuxième},
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
            {"bubble off", [](JeuYam& j) { j.SansBulles = true; }, ""},
        });
}

TEST(DiceGuidance, FollowsTheDieAndTheTurn) {
    for (const char* zone : {"ChoixDés", "Choixdés2"}) {
        SCOPED_TRACE(zone);
        expectTexts(
            zone, 3,
            {
                {"before the first throw", [](JeuYam&) {}, " Cliquez sur OK pour lancer les Dés "},
                {"undo offered", [](JeuYam& j) { j.Retour.show(); },
                 " Si erreur Cliquez sur le panneau jaune ou sur OK pour coup suivant "},
                {"die on the table",
                 [](JeuYam& j) {
                     turn(j, 1, 3, 1);
                     j.NégocieDés(3).show();
                 },
                 " Cliquez pour ne pas garder le dé "},
                {"die released",
                 [](JeuYam& j) {
                     turn(j, 1, 3, 2);
                     j.NégocieDés(3).hide();
                 },
                 " Cliquez pour garder le dé "},
                {"third throw", [](JeuYam& j) { turn(j, 1, 3, 3); }, kSélectionnez},
                {"third throw, second draw",
                 [](JeuYam& j) {
                     turn(j, 2, 3, 3);
                     j.CaseTirage1 = 40;
                 },
                 kPremier},
                {"both draws on one cell", [](JeuYam& j) { deuxTiragesLiés(j, 12, 40, 40); },
                 kValiderSuivant},
                {"both draws on one cell, last turn", [](JeuYam& j) { deuxTiragesLiés(j, 65, 40, 40); },
                 kValiderFin},
                {"both draws, undo offered",
                 [](JeuYam& j) {
                     deuxTiragesLiés(j, 12, 40, 41);
                     j.Retour.show();
                 },
                 kL_uneDes2},
                {"double choice", [](JeuYam& j) { deuxValeurs(j, "30", "25"); }, " Cliquez sur 30 ou 25 "},
                {"cross offered",
                 [](JeuYam& j) {
                     turn(j, 1, 3, 1);
                     j.Zéro.show();
                 },
                 kCroix},
                {"game over", [](JeuYam& j) { j.Ok.setEnabled(false); }, ""},
                {"bubble off", [](JeuYam& j) { j.SansBulles = true; }, ""},
            });
    }
}

TEST(WayOfPlayingGuidance, NamesTheWayChosenAndTheLock) {
    const char* const kDéverrouiller = " Pour déverrouiller cet outil, cliquez sur le feu rouge ";
    struct Case {
        const char* zone;
        int mode;
        bool locked;
        std::string text;
    };
    const Case cases[] = {
        {"Coup1", 1, false, " 1 Tirage Sélectionné "},
        {"Coup1", 2, false, " 1 Tirage "},
        {"Coup1", 0, false, " 1 Tirage "},
        {"Coup1", 1, true, std::string(" 1 Tirage Sélectionné (vérrouillé).") + kDéverrouiller},
        {"Coup1", 2, true, std::string(" 1 Tirage (vérrouillé).") + kDéverrouiller},
        {"Coup2", 2, false, " 2 Tirages Sélectionnés "},
        {"Coup2", 1, false, " 2 Tirages "},
        {"Coup2", 2, true, std::string(" 2 Tirages Sélectionnés (vérrouillé).") + kDéverrouiller},
        {"Coup2", 1, true, std::string(" 2 Tirages (vérrouillé).") + kDéverrouiller},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " mode " + std::to_string(c.mode) + (c.locked ? " locked" : ""));
        WindowFixture w;
        w.jeu.ModeTirage = c.mode;
        w.jeu.Verrouillé = c.locked;
        w.jeu.handle(Event::move(c.zone));
        EXPECT_EQ(w.jeu.Infos.caption(), c.text);
        EXPECT_EQ(w.jeu.Infos.backcolor(), colors::activeZone);
    }
}

TEST(WayOfPlayingGuidance, SilentWithTheBubbleOff) {
    WindowFixture w;
    w.jeu.SansBulles = true;
    w.jeu.handle(Event::move("Coup2"));
    EXPECT_EQ(w.jeu.Infos.caption(), "");
    EXPECT_EQ(w.jeu.MessageBulle, "");
}

}  // namespace
}  // namespace dravonelle
