// The bubble over the information panel: the counters, the first place and
// the ranking table speak in blue; the rank numbers silence the bubble.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    void move(const std::string& name, int index = -1) { jeu.handle(Event::move(name, index)); }
    void showBefore(const std::string& text) {
        jeu.MessageBulle = text;
        jeu.AfficheMessage();
        model.takeChanges();
    }
    bool redrawn() {
        const std::vector<int> changed = model.takeChanges();
        return std::find(changed.begin(), changed.end(), jeu.Infos.id()) != changed.end();
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

TEST(PanelZones, ShowTheirTextInBlueOnce) {
    for (const Zone& z : kZones) {
        SCOPED_TRACE(z.name);
        Panel p;
        p.showBefore(" autre chose ");
        p.move(z.name, z.index);
        EXPECT_EQ(p.jeu.Infos.caption(), z.text);
        EXPECT_EQ(p.jeu.Infos.backcolor(), colors::passiveZone);
        p.model.takeChanges();
        p.move(z.name, z.index);
        EXPECT_FALSE(p.redrawn());
    }
}

TEST(PanelZones, SilentWithTheBubbleOff) {
    for (const Zone& z : kZones) {
        SCOPED_TRACE(z.name);
        Panel p;
        p.showBefore(" avant ");
        p.jeu.SansBulles = true;
        p.move(z.name, z.index);
        EXPECT_FALSE(p.redrawn());
        EXPECT_EQ(p.jeu.MessageBulle, " avant ");
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
