// The info bubble: its sizes, the hover protocol, the zones that only show
// something, and the window background's news of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/bubble_texts.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

struct Bubble : WindowFixture {
    Bubble() {
        showInformationPanel();
        model.takeChanges();
    }
    void move(const std::string& name, int index = -1) { jeu.handle(Event::move(name, index)); }
    const std::string& shown() { return jeu.Infos.caption(); }
    Color colour() { return jeu.Infos.backcolor(); }
    // Whether the bubble label was touched since the last look.
    bool redrawn() {
        const std::vector<int> changed = model.takeChanges();
        return std::find(changed.begin(), changed.end(), jeu.Infos.id()) != changed.end();
    }
    // A text the bubble shows, to tell a later silence from a redraw.
    void showBefore(const std::string& text) {
        jeu.MessageBulle = text;
        jeu.AfficheMessage();
        model.takeChanges();
    }
};

// n characters, a blank at each end as the game's texts have.
std::string texteDe(std::size_t n, const std::string& letter) {
    std::string text = " ";
    for (std::size_t i = 2; i < n; ++i) text += letter;
    return text + " ";
}

// ---- AfficheMessage --------------------------------------------------------

TEST(AfficheMessage, LongerTextsGetSmallerFontsAndLowerTops) {
    struct Case {
        std::size_t length;
        int top, fontsize;
    };
    const Case cases[] = {{79, 15, 13},  {80, 30, 12}, {104, 30, 12}, {105, 45, 10},
                          {124, 45, 10}, {125, 60, 9}, {139, 60, 9},  {140, 90, 7}};
    // An accented letter is one character for the player, two bytes in UTF-8.
    for (const char* letter : {"a", "é"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.length) + " × " + letter);
            Bubble b;
            b.jeu.MessageBulle = texteDe(c.length, letter);
            b.jeu.AfficheMessage();
            EXPECT_EQ(b.jeu.Infos.top(), c.top);
            EXPECT_EQ(b.jeu.Infos.fontsize(), c.fontsize);
            EXPECT_EQ(b.jeu.Infos.left(), 210);
            EXPECT_EQ(b.shown(), b.jeu.MessageBulle);
            EXPECT_EQ(b.jeu.MessagePrécédent, b.jeu.MessageBulle);
        }
    }
}

TEST(AfficheMessage, EmptyTextMovesTheLabelOutOfSightAndBackAgain) {
    Bubble b;
    b.showBefore(" Heure ");
    b.jeu.MessageBulle.clear();
    b.jeu.AfficheMessage();
    EXPECT_EQ(b.jeu.Infos.left(), -300);
    EXPECT_EQ(b.shown(), "");
    EXPECT_EQ(b.jeu.MessagePrécédent, "");

    b.jeu.MessageBulle = " Date ";
    b.jeu.AfficheMessage();
    EXPECT_EQ(b.jeu.Infos.left(), 210);
    EXPECT_EQ(b.shown(), " Date ");
}

// ---- the hover protocol ----------------------------------------------------

TEST(HoverProtocol, MovingBackAndForthOverOneZoneDrawsOnce) {
    Bubble b;
    b.model.takeChanges();
    b.move("Heure");
    EXPECT_TRUE(b.redrawn());
    EXPECT_EQ(b.shown(), " Heure ");
    EXPECT_EQ(b.colour(), colors::passiveZone);
    for (int i = 0; i < 3; ++i) {
        b.move("Heure");
        EXPECT_FALSE(b.redrawn());
    }
    b.move("Jour");
    EXPECT_TRUE(b.redrawn());
    b.move("Heure");
    EXPECT_TRUE(b.redrawn());
    EXPECT_EQ(b.jeu.MessagePrécédent, " Heure ");
}

TEST(HoverProtocol, AnEmptiedPreviousTextShowsTheSameTextAgain) {
    Bubble b;
    b.move("LaDate");
    b.model.takeChanges();
    b.jeu.MessagePrécédent.clear();
    b.move("LaDate");
    EXPECT_TRUE(b.redrawn());
    EXPECT_EQ(b.shown(), " Date ");
}

TEST(HoverProtocol, ComparisonIsExact) {
    Bubble b;
    b.showBefore(" heure ");
    b.move("Heure");
    EXPECT_TRUE(b.redrawn());
    EXPECT_EQ(b.shown(), " Heure ");
}

// Every zone that only shows something, in a state where each has its text.
struct Zone {
    const char* name;
    int index;
    const char* text;
};

void gameUnderWay(JeuYam& j) {
    j.ModeTirage = 2;
    j.PartieEnCours = true;
    j.NuméroTirage = 12;
    j.Dés = {1, 2, 3, 4, 6};
    j.DésGardés = {true, false, true, true, true};
    for (int i = 0; i < 5; ++i) j.FeuxDés(i).show();
    for (int i = 0; i < 10; ++i) j.Lettres(i).show();
    j.TotalFigure.setCaption("Suite");
    j.TotalFigure.show();
    j.TotalDés.show();
}

const Zone kPassiveZones[] = {
    {"Heure", -1, " Heure "},
    {"Jour", -1, " Jour de la semaine "},
    {"LaDate", -1, " Date "},
    {"Nom", -1, " Nom du joueur "},
    {"Infos", -1, " Affichage des informations "},
    {"CoupInfo", -1, " Vous êtes en mode 2 tirage "},
    {"TotalFigure", -1, " Suite "},
    {"TotalDés", -1, " La somme des dés est de 16 "},
    {"Tirage_No", -1,
     " Tirage No 12. Après ce tirage, il vous restera 53 tirages à jouer en mode 2 tirages  pour finir la "
     "partie "},
    {"FeuxDés", 0, " Lorsque vous cliquerez sur OK, le dé sera gardé "},
    {"FeuxDés", 1, " Lorsque vous cliquerez sur OK, le dé sera retiré "},
    {"Lettres", 0, " Pressez la touche W pour garder ou rejeter le dé "},
    {"Lettres", 6, " Pressez la touche X pour garder ou rejeter le dé "},
    {"Lettres", 9, " Pressez la touche B pour garder ou rejeter le dé "},
    {"InfosJeu", 3, " Sèche (1 seul coup) "},
    {"Totaux", 15, " TOTAL GENERAL "},
};

TEST(PassiveZones, ShowTheirTextInBlue) {
    for (const Zone& z : kPassiveZones) {
        SCOPED_TRACE(std::string(z.name) + " " + std::to_string(z.index));
        Bubble b;
        gameUnderWay(b.jeu);
        b.showBefore(" autre chose ");
        b.move(z.name, z.index);
        EXPECT_EQ(b.shown(), z.text);
        EXPECT_EQ(b.colour(), colors::passiveZone);
        EXPECT_EQ(b.jeu.Infos.left(), 210);
    }
}

TEST(PassiveZones, ShowNothingWithTheBubbleOff) {
    for (const Zone& z : kPassiveZones) {
        SCOPED_TRACE(std::string(z.name) + " " + std::to_string(z.index));
        Bubble b;
        gameUnderWay(b.jeu);
        b.jeu.SansBulles = true;
        b.model.takeChanges();
        b.move(z.name, z.index);
        EXPECT_FALSE(b.redrawn());
        EXPECT_EQ(b.jeu.MessageBulle, "");
        EXPECT_EQ(b.jeu.Infos.left(), -300);
    }
}

TEST(PassiveZones, SwitchedBackOnTheNextZoneSpeaks) {
    Bubble b;
    b.jeu.SansBulles = true;
    b.move("Heure");
    b.jeu.SansBulles = false;
    b.move("Heure");
    EXPECT_EQ(b.shown(), " Heure ");
}

TEST(PassiveZones, StaySilentWhenWhatTheyExplainIsNotThere) {
    struct Silent {
        const char* what;
        Zone zone;
        std::function<void(JeuYam&)> hide;
    };
    const Silent cases[] = {
        {"no game", {"TotalDés", -1, ""}, [](JeuYam& j) { j.PartieEnCours = false; }},
        {"no game", {"Tirage_No", -1, ""}, [](JeuYam& j) { j.PartieEnCours = false; }},
        {"no figure", {"TotalFigure", -1, ""}, [](JeuYam& j) { j.TotalFigure.hide(); }},
        {"light off", {"FeuxDés", 2, ""}, [](JeuYam& j) { j.FeuxDés(2).hide(); }},
        {"letter hidden", {"Lettres", 7, ""}, [](JeuYam& j) { j.Lettres(7).hide(); }},
        {"announcement", {"Infos", -1, ""}, [](JeuYam& j) { j.Infos.setBackcolor(colors::announcement); }},
    };
    for (const Silent& s : cases) {
        SCOPED_TRACE(std::string(s.zone.name) + ", " + s.what);
        Bubble b;
        gameUnderWay(b.jeu);
        s.hide(b.jeu);
        b.showBefore(" avant ");
        b.move(s.zone.name, s.zone.index);
        EXPECT_FALSE(b.redrawn());
        EXPECT_EQ(b.shown(), " avant ");
    }
}

TEST(PassiveZones, CoupInfoSaysTirageInTheSingularForBothWays) {
    Bubble b;
    b.jeu.ModeTirage = 1;
    b.move("CoupInfo");
    EXPECT_EQ(b.shown(), " Vous êtes en mode 1 tirage ");
}

TEST(PassiveZones, HeadingsByIndex) {
    const char* const texts[21] = {
        " Descente (Priorité) ",
        " Montée (Priorité) ",
        " Libre (Si nécessaire) ",
        " Sèche (1 seul coup) ",
        " Annonce (Au 1er jet) ",
        " As ",
        " Deux (3 Minimum) ",
        " Trois (3 Minimum) ",
        " Quatre (3 Minimum) ",
        " Cinq (3 Minimum) ",
        " Six (3 Minimum) ",
        " Total : 1,2,3,4,5 et 6 ",
        " Bonus : 1,2,3,4,5 et 6 ",
        " Suite : 12345 = 45 ou 23456 = 50 ",
        " Full : XXX OO ou XXXXX = (20 + 5 Dés) ",
        " Carré XXXX O (40 + 4 Dés) ou XXXXX (40 + 5 Dés) ",
        " Maxi (> Egal > Mini) ",
        " Egal (< Maxi > Mini) ",
        " Mini (< Maxi < Egal) ",
        " Yam XXXXX (60 + 5 Dés) ",
        " Total de la colonne ",
    };
    Bubble b;
    for (int i = 0; i <= 20; ++i) {
        b.move("InfosJeu", i);
        EXPECT_EQ(b.shown(), texts[i]) << i;
    }
}

TEST(PassiveZones, TotalsByIndex) {
    const char* const texts[16] = {
        " TOTAL (1,2,3,4,5,6) de la DESCENTE ", " BONUS (1,2,3,4,5,6) de la DESCENTE ",
        " TOTAL de la Colonne DESCENTE ",       " TOTAL (1,2,3,4,5,6) de la MONTEE ",
        " BONUS (1,2,3,4,5,6) de la MONTEE ",   " TOTAL de la Colonne MONTEE ",
        " TOTAL (1,2,3,4,5,6) de la LIBRE ",    " BONUS (1,2,3,4,5,6) de la LIBRE ",
        " TOTAL de la Colonne LIBRE ",          " TOTAL (1,2,3,4,5,6) de la SECHE ",
        " BONUS (1,2,3,4,5,6) de la SECHE ",    " TOTAL de la Colonne SECHE ",
        " TOTAL (1,2,3,4,5,6) de l'ANNONCE ",   " BONUS (1,2,3,4,5,6) de l'ANNONCE ",
        " TOTAL de la Colonne ANNONCE ",        " TOTAL GENERAL ",
    };
    Bubble b;
    for (int i = 0; i <= 15; ++i) {
        b.move("Totaux", i);
        EXPECT_EQ(b.shown(), texts[i]) << i;
    }
}

TEST(TirageNo, CountsTheTurnsLeftInTheWayOfPlaying) {
    struct Case {
        int tirage, mode;
        const char* text;
    };
    const Case cases[] = {
        {1, 1,
         " Tirage No 1. Après ce tirage, il vous restera 64 tirages à jouer en mode 1 tirage pour finir la "
         "partie "},
        {63, 1,
         " Tirage No 63. Après ce tirage, il vous restera 2 tirages à jouer en mode 1 tirage pour finir la "
         "partie "},
        {64, 1,
         " Tirage No 64. Après ce tirage, il vous restera 1 tirage à jouer en mode 1 tirage pour finir la "
         "partie "},
        {65, 1,
         " Tirage No 65. Après ce tirage, il vous restera 0 tirage à jouer en mode 1 tirage pour finir la "
         "partie "},
        {64, 2,
         " Tirage No 64. Après ce tirage, il vous restera 1 tirage à jouer en mode 2 tirages  pour finir la "
         "partie "},
        {10, 2,
         " Tirage No 10. Après ce tirage, il vous restera 55 tirages à jouer en mode 2 tirages  pour finir "
         "la partie "},
    };
    for (const Case& c : cases) EXPECT_EQ(texteTirageNo(c.tirage, c.mode), c.text);
}

// ---- EffaceCases ------------------------------------------------------------

// A cell previewed as the sheet's hover leaves it: points in blue, highlight,
// the frames of its column and row.
void preview(JeuYam& j, int cell, const char* points) {
    j.CaseÉvaluée = cell;
    j.Cases(cell).setCaption(points);
    j.Cases(cell).setHighlight(true);
    j.Cases(cell).setForecolor(colors::blue);
    j.Pointeur(2).show();
    j.Pointeur(5).show();
}

TEST(EffaceCases, TakesThePreviewOffTheSheet) {
    Bubble b;
    preview(b.jeu, 32, "3");
    b.jeu.EffaceCases();
    EXPECT_EQ(b.jeu.Cases(32).caption(), "   ");
    EXPECT_FALSE(b.jeu.Cases(32).highlight());
    EXPECT_FALSE(b.jeu.Pointeur(2).visible());
    EXPECT_FALSE(b.jeu.Pointeur(5).visible());
    EXPECT_EQ(b.jeu.CaseÉvaluée, -1);
}

TEST(EffaceCases, GivesTheFirstDrawItsProvisionalValueBack) {
    struct Case {
        int cell, points;
        const char* shown;
    };
    // 41 is the Libre Full, a figure; 34 the Libre threes, a number.
    const Case cases[] = {{41, 25, "25"}, {41, 0, "XXX"}, {34, 0, "0"}, {34, 9, "9"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Bubble b;
        b.jeu.ModeTirage = 2;
        b.jeu.CaseTirage1 = c.cell;
        b.jeu.PointsTirage1 = c.points;
        preview(b.jeu, c.cell, "30");
        b.jeu.EffaceCases();
        EXPECT_EQ(b.jeu.Cases(c.cell).caption(), c.shown);
        EXPECT_EQ(b.jeu.Cases(c.cell).forecolor(), colors::red);
        EXPECT_FALSE(b.jeu.Cases(c.cell).highlight());
    }
}

TEST(EffaceCases, OnceTheSecondDrawIsTiedTheFirstCellStaysEmpty) {
    Bubble b;
    b.jeu.ModeTirage = 2;
    b.jeu.CaseTirage1 = 41;
    b.jeu.PointsTirage1 = 25;
    b.jeu.CaseTirage2 = 42;
    preview(b.jeu, 41, "30");
    b.jeu.EffaceCases();
    EXPECT_EQ(b.jeu.Cases(41).caption(), "   ");
}

TEST(EffaceCases, HeadingsAndTotalsClearThePreviewEvenWithTheBubbleOff) {
    for (const char* zone : {"InfosJeu", "Totaux"}) {
        SCOPED_TRACE(zone);
        Bubble b;
        b.jeu.SansBulles = true;
        preview(b.jeu, 32, "3");
        b.model.takeChanges();
        b.move(zone, 2);
        EXPECT_EQ(b.jeu.Cases(32).caption(), "   ");
        EXPECT_EQ(b.jeu.CaseÉvaluée, -1);
        EXPECT_FALSE(b.redrawn());
    }
}

// ---- the window background ---------------------------------------------------

TEST(Background, GivesOkTheFocusBackWhenItIsEnabled) {
    Bubble b;
    b.jeu.Coup1.setFocus();
    b.move(kWindowName);
    EXPECT_TRUE(b.jeu.Ok.hasFocus());

    b.jeu.Coup1.setFocus();
    b.jeu.Ok.setEnabled(false);
    b.move(kWindowName);
    EXPECT_TRUE(b.jeu.Coup1.hasFocus());
}

TEST(Background, ClearsThePreview) {
    Bubble b;
    preview(b.jeu, 32, "3");
    b.move(kWindowName);
    EXPECT_EQ(b.jeu.Cases(32).caption(), "   ");
    EXPECT_EQ(b.jeu.CaseÉvaluée, -1);
}

TEST(Background, DuringAGameShowsTheCreditLineInGreenBubbleOrNot) {
    for (bool off : {false, true}) {
        SCOPED_TRACE(off);
        Bubble b;
        b.jeu.SansBulles = off;
        b.jeu.ModeTirage = 1;
        b.jeu.NuméroTirage = 7;
        b.move(kWindowName);
        EXPECT_EQ(b.shown(), kCrédit);
        EXPECT_EQ(b.colour(), colors::creditLine);
        EXPECT_EQ(b.shown().front(), ' ');
        EXPECT_EQ(b.shown().back(), ' ');
        EXPECT_NE(b.shown()[1], ' ');
        b.model.takeChanges();
        b.move(kWindowName);
        EXPECT_FALSE(b.redrawn());
    }
}

TEST(Background, AfterTheGameRepeatsItsRankingInRed) {
    struct Case {
        int rang;
        const char* text;
    };
    const Case cases[] = {
        {0, " Désolé ! Vous n'êtes pas dans les 10 premiers. Pour rejouer, cliquez sur votre personnage "},
        {1,
         " M A G N I F I Q U E ! ! ! Vous êtes Premier au Ranking. Pour rejouer, cliquez sur votre "
         "personnage "},
        {2,
         " B R A V O ! ! ! Vous êtes classés dans les 10 premiers du Ranking. Pour rejouer, cliquez sur "
         "votre "
         "personnage "},
        {10,
         " B R A V O ! ! ! Vous êtes classés dans les 10 premiers du Ranking. Pour rejouer, cliquez sur "
         "votre personnage "},
    };
    for (const Case& c : cases) {
        for (bool off : {false, true}) {
            SCOPED_TRACE(std::to_string(c.rang) + (off ? " bubble off" : " bubble on"));
            Bubble b;
            b.jeu.SansBulles = off;
            b.jeu.ModeTirage = 1;
            b.jeu.NuméroTirage = 65;
            b.jeu.RangObtenu = c.rang;
            b.jeu.Ok.setEnabled(false);
            b.move(kWindowName);
            EXPECT_EQ(b.shown(), c.text);
            EXPECT_EQ(b.colour(), colors::announcement);
        }
    }
}

TEST(Background, TheBubbleItselfKeepsTheRedNews) {
    Bubble b;
    b.jeu.ModeTirage = 1;
    b.jeu.NuméroTirage = 65;
    b.jeu.Ok.setEnabled(false);
    b.move(kWindowName);
    const std::string news = b.shown();
    b.model.takeChanges();
    b.move("Infos");
    EXPECT_FALSE(b.redrawn());
    EXPECT_EQ(b.shown(), news);
    EXPECT_EQ(b.colour(), colors::announcement);
}

TEST(Background, TheBubbleItselfExplainsItselfOverTheCreditLine) {
    Bubble b;
    b.jeu.ModeTirage = 1;
    b.jeu.NuméroTirage = 3;
    b.move(kWindowName);
    b.move("Infos");
    EXPECT_EQ(b.shown(), " Affichage des informations ");
    EXPECT_EQ(b.colour(), colors::passiveZone);
}

TEST(Background, BeforeTheFirstThrowGreetsTheNewGameInRed) {
    struct Case {
        int mode;
        const char* text;
    };
    const Case cases[] = {{1, " Vous commencez une nouvelle partie en mode 1 tirage. Bonne chance "},
                          {2, " Vous commencez une nouvelle partie en mode 2 tirages. Bonne chance "}};
    for (const Case& c : cases) {
        Bubble b;
        b.jeu.ModeTirage = c.mode;
        b.move(kWindowName);
        EXPECT_EQ(b.shown(), c.text);
        EXPECT_EQ(b.colour(), colors::announcement);
    }
}

TEST(Background, SaysNothingBeforeAWayOfPlayingIsChosen) {
    Bubble b;
    b.showBefore(" Heure ");
    b.move(kWindowName);
    EXPECT_FALSE(b.redrawn());
    EXPECT_EQ(b.shown(), " Heure ");
}

// Step by step guidance when the game chose the cell itself; the state is
// that of a game under way in its last turns.
struct Guidance {
    const char* what;
    std::function<void(JeuYam&)> state;
    const char* text;
};

constexpr const char* kSuivant = " Sélection détectée et enregistrée ! Cliquez pour le tirage suivant ";
constexpr const char* kFinir = " Sélection détectée et enregistrée ! Cliquez pour finir la partie ";
constexpr const char* kDernier =
    " Sélection détectée ! Vous disposez d'un dernier jet de dés. Si vous voulez garder les 5 dés, cliquez "
    "sur OK ";

void finDePartie(JeuYam& j, int mode, int jet) {
    j.ModeTirage = mode;
    j.NuméroTirage = 60;
    j.NuméroJet = jet;
    j.ChoixAuto = true;
    j.PartieEnCours = true;
}

TEST(Background, TellsWhatOkDoesAfterAnAutomaticChoice) {
    const Guidance cases[] = {
        {"no announcement", [](JeuYam& j) { finDePartie(j, 1, 0); }, kSuivant},
        {"no announcement, last turn, 2 tirages, second draw tied",
         [](JeuYam& j) {
             finDePartie(j, 2, 0);
             j.NuméroTirage = 65;
             j.CaseTirage1 = j.CaseTirage2 = 40;
         },
         kFinir},
        {"no announcement, 2 tirages, first draw", [](JeuYam& j) { finDePartie(j, 2, 0); },
         " Sélection détectée et enregistrée ! Cliquez pour le 2ème tirage "},
        {"announced, second throw",
         [](JeuYam& j) {
             finDePartie(j, 1, 2);
             j.CaseAnnoncée = 70;
         },
         kDernier},
        {"announced, draw over",
         [](JeuYam& j) {
             finDePartie(j, 1, 0);
             j.CaseAnnoncée = 70;
         },
         kSuivant},
        {"announced, last turn",
         [](JeuYam& j) {
             finDePartie(j, 1, 3);
             j.NuméroTirage = 65;
             j.CaseAnnoncée = 70;
         },
         kFinir},
        {"announced, 2 tirages, first draw",
         [](JeuYam& j) {
             finDePartie(j, 2, 0);
             j.CaseAnnoncée = 70;
         },
         " Tirage détecté et enregistré ! Cliquez pour le 2ème tirage "},
    };
    for (const Guidance& g : cases) {
        SCOPED_TRACE(g.what);
        Bubble b;
        g.state(b.jeu);
        b.move(kWindowName);
        EXPECT_EQ(b.shown(), g.text);
        EXPECT_EQ(b.colour(), colors::activeZone);
        EXPECT_EQ(b.jeu.MessageChoisi, 1);
    }
}

TEST(Background, AutomaticChoiceGuidanceNeedsTheBubbleAndOk) {
    Bubble b;
    finDePartie(b.jeu, 1, 0);
    b.jeu.SansBulles = true;
    b.move(kWindowName);
    EXPECT_EQ(b.shown(), kCrédit);  // the game under way still has its credit line
    EXPECT_EQ(b.jeu.MessageChoisi, 0);
}

TEST(Background, OnlyFirstThrowLeftIsSaidBubbleOrNot) {
    for (bool off : {false, true}) {
        SCOPED_TRACE(off);
        Bubble b;
        finDePartie(b.jeu, 1, 1);
        b.jeu.ChoixAuto = false;
        b.jeu.DerniersCoupsSecs = true;
        b.jeu.SansBulles = off;
        b.move(kWindowName);
        EXPECT_EQ(b.shown(), " 2ème jet impossible. Sélectionnez une case ");
        EXPECT_EQ(b.colour(), colors::activeZone);
    }
}

}  // namespace
}  // namespace dravonelle
