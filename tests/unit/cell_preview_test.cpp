// The sheet under the pointer: what the bubble says over a cell in each state
// of the turn, the preview with the bubble off, and the hover texts of the
// cross and of the yellow panel.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "window_fixture.h"

namespace dravonelle {
namespace {

constexpr const char* kAvant = " Le texte d'avant ";
constexpr const char* kSuivant = " Sélection détectée et enregistrée ! Cliquez pour le tirage suivant ";
constexpr const char* kFinir = " Sélection détectée et enregistrée ! Cliquez pour finir la partie ";
constexpr const char* kDeuxième = " Sélection détectée et enregistrée ! Cliquez pour le 2ème tirage ";
constexpr const char* kDernierAuto =
    " Sélection détectée ! Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez "
    "sur OK ";
constexpr const char* kCroix =
    " Cliquez sur la croix pour marquer 0 sinon cliquez sur OK pour le tirage suivant ";
constexpr const char* kOccupée = " Case déja occupée ";

void turn(JeuYam& j, int mode, int tirage, int jet) {
    j.ModeTirage = mode;
    j.NuméroTirage = tirage;
    j.NuméroJet = jet;
    j.JetDuRésultat = jet;
    j.PartieEnCours = true;
}

void fermée(JeuYam& j, int k, const char* text) {
    j.CaseFermée[static_cast<std::size_t>(k)] = true;
    j.Cases(k).setCaption(text);
}

struct Over {
    const char* what;
    int cell;
    std::function<void(JeuYam&)> state;
    std::string text;
};

// Each state is set on a fresh window showing kAvant, then the pointer moves
// over the cell once.
void expectTexts(std::initializer_list<Over> cases) {
    for (const Over& o : cases) {
        SCOPED_TRACE(o.what);
        WindowFixture w;
        w.jeu.Dés = {1, 1, 1, 4, 6};
        w.jeu.MessageBulle = kAvant;
        w.jeu.AfficheMessage();
        o.state(w.jeu);
        w.jeu.Cases(o.cell).show();
        w.jeu.handle(Event::move("Cases", o.cell));
        EXPECT_EQ(w.jeu.Infos.caption(), o.text);
        if (o.text != kAvant && !o.text.empty()) {
            EXPECT_EQ(w.jeu.Infos.backcolor(), colors::activeZone);
        }
    }
}

TEST(CellMessage, FollowsTheTurn) {
    expectTexts({
        {"before the first throw, nothing to say", 32, [](JeuYam& j) { turn(j, 1, 1, 0); }, kAvant},
        {"an open cell after a throw", 32, [](JeuYam& j) { turn(j, 1, 1, 1); },
         " Cliquez pour sélectionner 3 aux As de la Libre "},
        {"a closed cell after a throw", 32,
         [](JeuYam& j) {
             turn(j, 1, 2, 2);
             fermée(j, 32, "3");
         },
         kOccupée},
        {"a closed cell before the throw, the choice still undoable", 33,
         [](JeuYam& j) {
             turn(j, 1, 2, 0);
             fermée(j, 33, "0");
             j.MessageCase = " 3 aux As de la Libre ";
             j.Retour.show();
         },
         " Sélection : 3 aux As de la Libre . Si erreur, cliquez sur le panneau jaune "
         "sinon cliquez sur OK pour le tirage suivant "},
        {"two values of Montée's Mini, over the sheet", 40,
         [](JeuYam& j) {
             turn(j, 2, 5, 0);
             j.Cases(81).setCaption("12");
             j.Cases(82).setCaption("18");
             j.Cases(81).show();
             j.Cases(82).show();
             j.Retour.show();
         },
         " Cliquez sur 12 ou 18 "},
        {"two values of Montée's Mini, over the second button", 82,
         [](JeuYam& j) {
             turn(j, 2, 5, 0);
             j.Cases(81).setCaption("12");
             j.Cases(82).setCaption("18");
             j.Cases(81).show();
         },
         " Cliquez pour sélectionner 18"},
        {"the cross offered, even over a closed cell", 11,
         [](JeuYam& j) {
             turn(j, 1, 5, 1);
             fermée(j, 11, "26");
             j.Zéro.show();
         },
         kCroix},
        {"two draws on two cells", 40,
         [](JeuYam& j) {
             turn(j, 2, 5, 0);
             j.CaseTirage1 = 33;
             j.CaseTirage2 = 34;
             j.PointsTirage1 = 0;
             j.PointsTirage2 = 3;
         },
         " Cliquez sur l'une des 2 cases de votre choix "},
        {"two draws on one cell", 40,
         [](JeuYam& j) {
             turn(j, 2, 5, 0);
             j.CaseTirage1 = j.CaseTirage2 = 33;
             j.PointsTirage1 = j.PointsTirage2 = 0;
         },
         " Cliquez sur OK pour valider le tirage et procéder au tirage suivant "},
        {"two draws on one cell, last turn", 40,
         [](JeuYam& j) {
             turn(j, 2, 65, 0);
             j.CaseTirage1 = j.CaseTirage2 = 33;
             j.PointsTirage1 = j.PointsTirage2 = 0;
         },
         " Cliquez sur OK pour valider le tirage et terminer la partie "},
        {"automatic choice", 40,
         [](JeuYam& j) {
             turn(j, 1, 50, 0);
             j.ChoixAuto = true;
         },
         kSuivant},
        {"automatic choice, 2 tirages, first draw", 40,
         [](JeuYam& j) {
             turn(j, 2, 50, 0);
             j.ChoixAuto = true;
         },
         kDeuxième},
        {"automatic choice, last turn, second draw", 40,
         [](JeuYam& j) {
             turn(j, 2, 65, 0);
             j.CaseTirage2 = 30;
             j.ChoixAuto = true;
         },
         kFinir},
        {"the Annonce cell the game will announce", 73,
         [](JeuYam& j) {
             turn(j, 1, 50, 1);
             j.ChoixAuto = true;
             j.AnnonceAuto = 73;
         },
         " Cliquer est inutile. Case détectée au 2ème jet "},
        {"a Sèche cell beside the automatic announcement", 48,
         [](JeuYam& j) {
             turn(j, 1, 50, 1);
             j.DerniersCoupsSecs = true;
             j.ChoixAuto = true;
             j.AnnonceAuto = 73;
         },
         " Cliquez pour sélectionner 3 aux As de la Sèche "},
        {"an announcement at the first throw", 64,
         [](JeuYam& j) {
             turn(j, 1, 5, 1);
             j.CaseAnnoncée = 64;
             j.MessageCase = " 3 aux As de l'Annonce ";
         },
         " Sélection : 3 aux As de l'Annonce . Si erreur, cliquez sur le panneau jaune "
         "sinon vous disposez de 2 autres jets. Si vous voulez garder les 5 dés, cliquez sur OK "},
        {"an announcement at the second throw", 64,
         [](JeuYam& j) {
             turn(j, 1, 5, 2);
             j.CaseAnnoncée = 64;
         },
         " Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez sur OK "},
        {"an automatic announcement at the second throw", 73,
         [](JeuYam& j) {
             turn(j, 1, 50, 2);
             j.CaseAnnoncée = 73;
             j.ChoixAuto = true;
         },
         kDernierAuto},
        {"an automatic announcement placed, 2 tirages, first draw", 73,
         [](JeuYam& j) {
             turn(j, 2, 50, 3);
             j.CaseAnnoncée = 73;
             j.ChoixAuto = true;
         },
         kDeuxième},
        {"an announcement pending over a closed cell", 32,
         [](JeuYam& j) {
             turn(j, 1, 5, 1);
             j.CaseAnnoncée = 64;
             fermée(j, 32, "3");
         },
         kOccupée},
        {"the game is over", 32,
         [](JeuYam& j) {
             turn(j, 1, 65, 0);
             fermée(j, 32, "3");
             j.Ok.setEnabled(false);
         },
         ""},
    });
}

TEST(CellMessage, AnEndedGameTakesTheBubbleAway) {
    WindowFixture w;
    w.jeu.MessageBulle = kAvant;
    w.jeu.AfficheMessage();
    w.jeu.Ok.setEnabled(false);
    w.jeu.Cases_MouseMove(32);
    EXPECT_EQ(w.jeu.Infos.left(), -300);
    EXPECT_EQ(w.jeu.MessagePrécédent, "");
}

// With the bubble off the cell still shows its would-be points; neither the
// frames nor the bubble move.
TEST(CellPreview, WithTheBubbleOffOnlyTheCellSpeaks) {
    WindowFixture w;
    JeuYam& j = w.jeu;
    j.SansBulles = true;
    j.MessageBulle = kAvant;
    j.AfficheMessage();
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

TEST(ToolHover, CrossAndYellowPanelExplainThemselves) {
    struct Tool {
        const char* name;
        const char* text;
    };
    const Tool tools[] = {
        {"Zéro", " Cliquez pour marquer 0, sinon cliquez sur OK pour le tirage suivant "},
        {"Retour", " Cliquez pour revenir en arrière sinon cliquez sur OK pour le tirage suivant "},
    };
    for (const Tool& t : tools) {
        for (bool sansBulles : {false, true}) {
            SCOPED_TRACE(std::string(t.name) + (sansBulles ? ", bubble off" : ""));
            WindowFixture w;
            w.jeu.SansBulles = sansBulles;
            w.model.at(t.name).show();
            const std::string before = w.jeu.Infos.caption();
            w.jeu.handle(Event::move(t.name));
            EXPECT_EQ(w.jeu.Infos.caption(), sansBulles ? before : t.text);
            if (!sansBulles) {
                EXPECT_EQ(w.jeu.Infos.backcolor(), colors::activeZone);
            }
        }
    }
}

}  // namespace
}  // namespace dravonelle
