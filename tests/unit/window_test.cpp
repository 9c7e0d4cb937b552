// Situations of the game set by hand, and what the window shows in them:
// the bubble over each kind of zone. The scenarios play the rest through.
#include <gtest/gtest.h>

#include <string>

#include "window/bubble_texts.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

constexpr const char* kAvant = " Le texte d'avant ";

// A state of the game, set on a fresh window showing kAvant; the pointer
// then moves over the zone once. The zones that only show something speak
// in blue, those that can be clicked in yellow; kAvant left is a zone that
// keeps silent.
struct Said {
    const char* zone;
    int index = -1;
    int mode = 0, tirage = 0, jet = 0;  // a game under way from turn 1
    bool panel = false, bullesOff = false, zéro = false, derniersSecs = false, choixAuto = false, ended = false;
    int annonceAuto = 0, caseAnnoncée = 0, rang = 0;
    const char *figure = nullptr, *v81 = nullptr, *v82 = nullptr;
    std::string text;
    Color colour = colors::activeZone;
};

// The two values a cell of Maxi, Egal or Mini may take, offered on 81 and 82.
void twoValues(JeuYam& j, const char* a, const char* b) {
    j.partie.Feuille[Partie::kValeur1] = std::stoi(a);
    j.partie.Feuille[Partie::kValeur2] = std::stoi(b);
    j.partie.CaseMontrée[Partie::kValeur1] = j.partie.CaseMontrée[Partie::kValeur2] = true;
}

TEST(Bubble, EachZoneSaysWhatItShowsOrDoes) {
    const Color passive = colors::passiveZone;
    const Said cases[] = {
        {.zone = "TotalFigure", .mode = 2, .tirage = 12, .panel = true, .figure = "Suite", .text = " Suite ",
         .colour = passive},
        {.zone = "TotalFigure", .mode = 2, .tirage = 12, .panel = true, .bullesOff = true, .figure = "Suite",
         .text = kAvant},
        {.zone = "Ok", .mode = 1, .tirage = 50, .jet = 1, .derniersSecs = true,
         .text = " 2ème jet impossible. Sélectionnez une case "},
        {.zone = "Ok", .mode = 1, .tirage = 5, .jet = 1, .zéro = true,
         .text = " Cliquez sur la croix pour marquer 0 sinon cliquez sur OK pour le tirage suivant "},
        {.zone = "ChoixDés", .index = 3, .v81 = "-4", .v82 = "0", .text = " Cliquez sur-4 ou 0 "},
        {.zone = "Cases", .index = 82, .mode = 2, .tirage = 5, .v81 = "12", .v82 = "18",
         .text = " Cliquez pour sélectionner 18"},
        {.zone = "Cases", .index = 73, .mode = 1, .tirage = 50, .jet = 1, .choixAuto = true, .annonceAuto = 73,
         .text = " Cliquer est inutile. Case détectée au 2ème jet "},
        {.zone = "Zéro", .zéro = true,
         .text = " Cliquez pour marquer 0, sinon cliquez sur OK pour le tirage suivant "},
        // The window's background: the credit line during a game, the
        // ranking in red after it, nothing before a way of playing is chosen.
        {.zone = kWindowName, .mode = 1, .tirage = 7, .text = kCrédit, .colour = colors::creditLine},
        {.zone = kWindowName, .mode = 1, .tirage = 65, .ended = true, .rang = 1, .text = texteRang(1),
         .colour = colors::announcement},
        {.zone = kWindowName, .text = kAvant},
        {.zone = kWindowName, .mode = 2, .tirage = 50, .choixAuto = true, .caseAnnoncée = 70,
         .text = " Tirage détecté et enregistré ! Cliquez pour le 2ème tirage "},
    };
    for (const Said& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.index) + ": " + c.text);
        WindowFixture w;
        JeuYam& j = w.jeu;
        j.MessageBulle = kAvant;
        j.AfficheMessage();
        j.partie.ModeTirage = c.mode;
        if (c.tirage > 0) turn(j, c.mode, c.tirage, c.jet);
        if (c.panel) j.AfficheScore();
        if (c.figure) j.partie.Figure = c.figure;
        if (c.v81) twoValues(j, c.v81, c.v82);
        j.partie.ZéroOffert = c.zéro;
        j.partie.OkActif = !c.ended;
        j.SansBulles = c.bullesOff;
        j.partie.DerniersCoupsSecs = c.derniersSecs;
        j.partie.ChoixAuto = c.choixAuto;
        j.partie.AnnonceAuto = c.annonceAuto;
        j.partie.CaseAnnoncée = c.caseAnnoncée;
        j.RangObtenu = c.rang;
        j.AfficheJeu();
        w.model.at(c.zone, c.index).show();
        w.move(c.zone, c.index);
        EXPECT_EQ(j.Infos.caption(), c.text);
        EXPECT_EQ(j.Infos.backcolor(), c.text == kAvant ? j.Infos.backcolor() : c.colour);
    }
}

}  // namespace
}  // namespace dravonelle
