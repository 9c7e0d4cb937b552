// The info bubble: its sizes, the hover protocol, the zones that only show
// something, and the window background's news of the game.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <set>
#include <string>

#include "rules/preview_text.h"
#include "rules/sheet_index.h"
#include "window/bubble_texts.h"
#include "window_fixture.h"

namespace dravonelle {
namespace {

struct Bubble : WindowFixture {
    Bubble() {
        showInformationPanel();
        model.takeChanges();
    }
    Color colour() { return jeu.Infos.backcolor(); }
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

// Every zone that only shows something, in a state where each has its text;
// bubble_first_throw plays the other light and letters through.
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
    {"Lettres", 0, " Pressez la touche W pour garder ou rejeter le dé "},
    {"Lettres", 9, " Pressez la touche B pour garder ou rejeter le dé "},
    {"InfosJeu", 3, " Sèche (1 seul coup) "},
    {"Totaux", 15, " TOTAL GENERAL "},
};

TEST(PassiveZones, ShowTheirTextInBlueAndNothingWithTheBubbleOff) {
    for (const Zone& z : kPassiveZones) {
        for (bool off : {false, true}) {
            SCOPED_TRACE(std::string(z.name) + " " + std::to_string(z.index) + (off ? ", bubble off" : ""));
            Bubble b;
            gameUnderWay(b.jeu);
            b.jeu.SansBulles = off;
            b.showBefore(" autre chose ");
            b.move(z.name, z.index);
            EXPECT_EQ(b.shown(), off ? " autre chose " : z.text);
            EXPECT_EQ(b.redrawn(), !off);
            if (!off) {
                EXPECT_EQ(b.colour(), colors::passiveZone);
            }
        }
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

// The scenarios show a few headings and totals as the game does. Here every
// index has a text of its own, every heading names its row or column as the
// preview phrase does, and every total its column: a row or a column out of
// place in either list shows.
TEST(PassiveZones, HeadingsAndTotalsNameTheirRowAndColumn) {
    std::set<std::string> texts;
    for (int i = 0; i <= 20; ++i) texts.insert(texteInfosJeu(i));
    for (int i = 0; i <= 15; ++i) texts.insert(texteTotaux(i));
    EXPECT_EQ(texts.size(), 21u + 16u);
    for (const std::string& t : texts) EXPECT_TRUE(t.size() > 2 && t.front() == ' ' && t.back() == ' ') << t;
    EXPECT_EQ(texteInfosJeu(-1) + texteInfosJeu(21) + texteTotaux(-1) + texteTotaux(16), "");

    const auto firstWord = [](const std::string& t) { return t.substr(1, t.find_first_of(" (", 1) - 1); };
    for (int r : sheet::kRows) {
        const std::string name = firstWord(texteInfosJeu(5 + r));
        EXPECT_NE(phraseCase(1, sheet::cell(sheet::Libre, r)).find(name + " "), std::string::npos) << name;
    }
    for (int c = 0; c < sheet::kColumns; ++c) {
        const std::string name = firstWord(texteInfosJeu(c));
        EXPECT_NE(phraseCase(1, sheet::cell(c, 0)).find(name + " "), std::string::npos) << name;
        // The totals write it in capitals without accents.
        std::string capitals;
        for (std::size_t k = 0; k < name.size(); ++k) {
            const bool accented = name.compare(k, 2, "é") == 0 || name.compare(k, 2, "è") == 0;
            capitals += accented ? 'E' : static_cast<char>(std::toupper(static_cast<unsigned char>(name[k])));
            if (accented) ++k;
        }
        for (int k = 0; k < 3; ++k) {
            EXPECT_NE(texteTotaux(3 * c + k).find(capitals + " "), std::string::npos) << 3 * c + k;
        }
    }
    EXPECT_EQ(texteTotaux(4), " BONUS (1,2,3,4,5,6) de la MONTEE ");
    EXPECT_EQ(texteTotaux(8), " TOTAL de la Colonne LIBRE ");
}

TEST(TirageNo, CountsTheTurnsLeftInTheWayOfPlaying) {
    struct Case {
        int tirage, mode;
        const char* text;
    };
    const Case cases[] = {
        {63, 1,
         " Tirage No 63. Après ce tirage, il vous restera 2 tirages à jouer en mode 1 tirage pour finir la "
         "partie "},
        {64, 1,
         " Tirage No 64. Après ce tirage, il vous restera 1 tirage à jouer en mode 1 tirage pour finir la "
         "partie "},
        {65, 1,
         " Tirage No 65. Après ce tirage, il vous restera 0 tirage à jouer en mode 1 tirage pour finir la "
         "partie "},
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
        b.model.takeChanges();
        b.move(kWindowName);
        EXPECT_FALSE(b.redrawn());
    }
}

// The end of a game shows its ranking (the record scenarios); the background
// repeats it in red, bubble or not.
TEST(Background, AfterTheGameRepeatsItsRankingInRed) {
    for (int rang : {0, 1, 10}) {
        for (bool off : {false, true}) {
            SCOPED_TRACE(std::to_string(rang) + (off ? " bubble off" : " bubble on"));
            Bubble b;
            b.jeu.SansBulles = off;
            b.jeu.ModeTirage = 1;
            b.jeu.NuméroTirage = 65;
            b.jeu.RangObtenu = rang;
            b.jeu.Ok.setEnabled(false);
            b.move(kWindowName);
            EXPECT_EQ(b.shown(), texteRang(rang));
            EXPECT_EQ(b.colour(), colors::announcement);
        }
    }
    EXPECT_EQ(texteRang(2), texteRang(10));
    EXPECT_NE(texteRang(10), texteRang(11));
    EXPECT_EQ(texteRang(11), texteRang(0));
}

TEST(Background, SaysNothingBeforeAWayOfPlayingIsChosen) {
    Bubble b;
    b.showBefore(" Heure ");
    b.move(kWindowName);
    EXPECT_FALSE(b.redrawn());
    EXPECT_EQ(b.shown(), " Heure ");
}

// The guidance of an automatic choice is in guidance_test, with OK's.
void finDePartie(JeuYam& j, int mode, int jet) {
    j.ModeTirage = mode;
    j.NuméroTirage = 60;
    j.NuméroJet = jet;
    j.ChoixAuto = true;
    j.PartieEnCours = true;
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
