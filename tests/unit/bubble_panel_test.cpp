// The bubble over the information panel: the counters, the first place and
// the ranking table speak in blue; the rank numbers silence the bubble.
#include <gtest/gtest.h>

#include <string>

#include "window_fixture.h"

namespace dravonelle {
namespace {

struct Panel : WindowFixture {
    // "1 tirage" chosen, the panel shown, a character's counters in sight and
    // a first place held.
    explicit Panel(int mode = 1) {
        jeu.ModeTirage = mode;
        jeu.AfficheScore();
        jeu.PartiesIndividuellesJouées.show();
        jeu.IndividuelAbandon.show();
        jeu.NomsPersonnages[7] = "GAELLE";
        jeu.ClassementPersonnage[1] = 7;
        jeu.ClassementScore[1] = 312;
        jeu.ClassementDate[1] = "05/12/06 ";
    }
};

struct Zone {
    const char* name;
    int index;
    const char* text;
};

const Zone kZones[] = {
    {"PartiesJouées", -1, " Nombre de parties terminées par l'ensemble des joueurs "},
    {"PartiesAbandonnées", -1, " Nombre de parties abandonnées par l'ensemble des joueurs "},
    {"PartiesIndividuellesJouées", -1, " Nombre de parties terminées par le personnage sélectionné "},
    {"IndividuelAbandon", -1, " Nombre de parties abandonnées par le personnage sélectionné "},
    {"NomsScore", 0, " Nom du joueur "},
    {"LadateScore", 4, " Date de réalisation du score "},
    {"ScoresScore", 9, " Score "},
    {"PremierInfos", -1, " GAELLE est Premier en mode 1 tirage avec un score de 312 réalisé le 05/12/06 "},
};

TEST(PanelZones, ShowTheirTextInBlueOnceAndNothingWithTheBubbleOff) {
    for (const Zone& z : kZones) {
        for (bool off : {false, true}) {
            SCOPED_TRACE(std::string(z.name) + (off ? ", bubble off" : ""));
            Panel p;
            p.jeu.SansBulles = off;
            p.showBefore(" autre chose ");
            p.move(z.name, z.index);
            EXPECT_EQ(p.shown(), off ? " autre chose " : z.text);
            EXPECT_EQ(p.redrawn(), !off);
            if (!off) {
                EXPECT_EQ(p.jeu.Infos.backcolor(), colors::passiveZone);
            }
            p.move(z.name, z.index);
            EXPECT_FALSE(p.redrawn());
        }
    }
}

TEST(PanelZones, TheFirstPlaceSaysTirageForBothWaysAndNothingWhenHidden) {
    Panel deux(2);
    deux.move("PremierInfos");
    EXPECT_EQ(deux.jeu.Infos.caption(),
              " GAELLE est Premier en mode 2 tirage avec un score de 312 réalisé le 05/12/06 ");

    // Its line lies over the first place even when the panel is hidden.
    Panel hidden;
    hidden.jeu.AfficheScore();
    hidden.showBefore(" avant ");
    hidden.move("PremierInfos");
    EXPECT_FALSE(hidden.redrawn());
    EXPECT_EQ(hidden.jeu.MessageBulle, " avant ");
}

TEST(PanelZones, RankNumbersSilenceTheBubbleWithoutRedrawingIt) {
    for (bool sansBulles : {false, true}) {
        SCOPED_TRACE(sansBulles);
        Panel p;
        p.showBefore(" Score ");
        const int width = p.jeu.Infos.width();
        p.jeu.SansBulles = sansBulles;
        p.move("Rang", 3);
        EXPECT_EQ(p.jeu.MessageBulle, "");
        EXPECT_EQ(p.jeu.MessagePrécédent, "");
        EXPECT_EQ(p.jeu.Infos.caption(), " Score ");
        EXPECT_EQ(p.jeu.Infos.width(), 15);
        EXPECT_EQ(p.jeu.Infos.left(), 210);

        // Nothing more to silence: the label keeps its width.
        p.jeu.Infos.setWidth(width);
        p.move("Rang", 5);
        EXPECT_EQ(p.jeu.Infos.width(), width);
    }
    // The same text as before is shown again, at its full size.
    Panel p;
    p.move("ScoresScore", 0);
    const int width = p.jeu.Infos.width();
    p.move("Rang", 0);
    p.move("ScoresScore", 0);
    EXPECT_EQ(p.jeu.Infos.caption(), " Score ");
    EXPECT_EQ(p.jeu.Infos.width(), width);
}

}  // namespace
}  // namespace dravonelle
